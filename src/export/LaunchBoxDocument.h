#pragma once

#include "base/Result.h"

#include <QString>

#include <memory>
#include <vector>

// A LaunchBox data file and the elements to add to it. The file is checked by the XML library,
// but never rewritten: its bytes stay as they were, and the new elements go in front of the
// closing </LaunchBox> tag, written the way the file writes its own (indentation, line ends,
// empty elements) and in the file's own encoding, so that the change to the file is exactly
// the added elements.
class LaunchBoxDocument
{
  public:
    struct Child
    {
        const char *name;
        QString text; // an empty text gives an empty element
    };

    LaunchBoxDocument();
    ~LaunchBoxDocument();
    LaunchBoxDocument(const LaunchBoxDocument &) = delete;
    LaunchBoxDocument &operator=(const LaunchBoxDocument &) = delete;

    // Fails when the file cannot be read, is no XML (with the XML library's own words and the
    // place), its top-level element is not LaunchBox, or it is in an encoding new elements cannot
    // be written in. The document is then unusable.
    Result<void> load(const QString &path);

    // Appends an element holding one child element per entry, in order, to LaunchBox.
    void append(const char *name, const std::vector<Child> &children);

    // Written atomically: a failure leaves the file as it was.
    Result<void> save(const QString &path) const;

  private:
    struct Data;
    std::unique_ptr<Data> d;
};
