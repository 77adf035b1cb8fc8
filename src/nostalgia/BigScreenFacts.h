#pragma once

#include <QString>

#include <array>

struct DetailsContent;

// The facts the Nostalgia view's big screen types at its DOS prompt, a line each, in the order
// they stand: Name, Year, Developer, Publisher, Genre, Subgenre, Subgenre 2, Designer,
// Designer 2, Series, Series 2.
namespace BigScreenFacts {

constexpr int LineCount = 11;

struct Line
{
    // The prompt and the fact; an empty fact keeps its prompt: the question was typed, the answer
    // is blank.
    QString text;
    QString value;
    // What a click on the line filters the list by; empty when a click does nothing: a fact the
    // list cannot be filtered by, or a blank one, which has no label in the details to click either.
    QString clickField;
};

std::array<Line, LineCount> lines(const DetailsContent &details);
// Whether the line stands for a fact the list can be filtered by, and so answers the mouse.
bool filterable(int line);

} // namespace BigScreenFacts
