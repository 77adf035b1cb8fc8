#pragma once

#include <QByteArray>

#include <optional>

// Where the top-level element of an XML file begins and ends, and how the file lays out its
// elements, read from the bytes themselves so that new elements can be put into the file without
// rewriting any of it. The bytes must have passed an XML parser already, and be in an encoding
// that keeps ASCII as ASCII (UTF-8 or an 8-bit code page), where markup is found byte by byte.
struct XmlLayout
{
    // How the file writes an element without content.
    enum class EmptyElement { Unknown, Tight /* <Name/> */, Spaced /* <Name /> */, Pair /* <Name></Name> */ };

    qsizetype rootStart = -1; // the '<' of the top-level element's start tag
    // The '<' of its end tag; for an empty-element tag ("<LaunchBox/>"), the '/' before its '>'.
    qsizetype rootEnd = -1;
    bool rootSelfClosing = false;

    // The whitespace in front of the first tag, at each of the top three levels, that begins a
    // line of its own; nothing where the file has none.
    std::optional<QByteArray> rootIndent;
    std::optional<QByteArray> childIndent;
    std::optional<QByteArray> grandchildIndent;

    // The first empty element inside the top-level element tells.
    EmptyElement emptyElement = EmptyElement::Unknown;

    // Nothing when the markup cannot be followed to the end of the top-level element.
    static std::optional<XmlLayout> scan(const QByteArray &bytes);
};
