#pragma once

#include <QString>
#include <vector>

// One question slot as a question file carries it: the question, its right
// answer and its two false answers.
struct DraftQuestion {
    QString question;
    QString answer;
    QString phony1;
    QString phony2;

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
