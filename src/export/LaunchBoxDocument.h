#pragma once

#include <QString>

#include <memory>
#include <vector>

// A LaunchBox data file in memory. What the file held stays as it was, element for element and
// with its own whitespace; appended elements are indented the way LaunchBox indents its own.
// Every text goes through the XML library, which escapes it.
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

    // Empty on success, otherwise the sentence for the user: the file cannot be read, is no
    // XML (with the XML library's own words and the place), or its top-level element is not
    // LaunchBox. The document is then unusable.
    QString load(const QString &path);

    // Appends an element holding one child element per entry, in order, to LaunchBox.
    void append(const char *name, const std::vector<Child> &children);

    // Declared as UTF-8 and written atomically: a failure leaves the file as it was. Empty on
    // success, otherwise the sentence for the user.
    QString save(const QString &path) const;

  private:
    struct Data;
    std::unique_ptr<Data> d;
};
