#pragma once

#include "Picture.h"

#include <QString>
#include <optional>
#include <vector>

// One question slot as a question file carries it: the question, its right
// answer, its two false answers and, if it has one, its picture.
struct DraftQuestion {
    QString question;
    QString answer;
    QString phony1;
    QString phony2;
    std::optional<Picture> picture = std::nullopt;

    bool operator==(const DraftQuestion&) const = default;
};

// A test as plain values, on its way between a question file and the
// database: a heading and its questions in slot order.
struct TestDraft {
    static constexpr int Slots = 25;

    QString title;
    QString description;
    int minutes = 0;
    std::vector<DraftQuestion> questions;
};
