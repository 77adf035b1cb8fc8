#pragma once

#include "base/Result.h"

#include <QString>

#include <pugixml.hpp>

#include <memory>

// The XML files of other front-ends, read whole through pugixml, with the failures the user reads.
namespace ImportXml {

// The document, when the file can be read, is XML and its top-level element is `root`. `what`
// names the kind of file for the sentence that refuses another one ("a LaunchBox data file").
Result<std::unique_ptr<pugi::xml_document>> load(const QString &path, const char *root, const QString &what);

// The name of the file's top-level element, or empty when it is no XML that can be read.
QString rootElement(const QString &path);

// The text of a child element, empty when there is none.
inline QString text(const pugi::xml_node &node, const char *child)
{
    return QString::fromUtf8(node.child_value(child));
}

} // namespace ImportXml
