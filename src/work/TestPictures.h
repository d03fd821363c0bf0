#pragma once

#include "exchange/Picture.h"
#include "exchange/TestDraft.h"

#include <QSize>
#include <optional>
#include <vector>

class Connection;

// The pictures of a test's slots in the Pictures table, one slot at a time,
// so that only the slot shown reads picture bytes. Each call throws DbError
// with the engine's message when the database refuses it.
namespace TestPictures {

std::optional<Picture> Read(Connection& connection, qint64 testNumber, int slot);
// The width of the test's widest picture and the height of its tallest, as
// stored; empty when it has none.
QSize Room(Connection& connection, qint64 testNumber);
// Stores the slot's picture in place of the one it had.
void Write(Connection& connection, qint64 testNumber, int slot, const Picture& picture);
void Remove(Connection& connection, qint64 testNumber, int slot);
// Writes `picture`, or removes the slot's one when there is none.
void Keep(Connection& connection, qint64 testNumber, int slot, const std::optional<Picture>& picture);

// The pictures of the draft's questions, read into it from the test's slots.
void ReadInto(Connection& connection, qint64 testNumber, TestDraft& draft);
// Stores the pictures the questions carry into slots 1 on.
void WriteFrom(Connection& connection, qint64 testNumber, const std::vector<DraftQuestion>& questions);

}
