#pragma once

#include <QByteArray>
#include <QString>

#include <tinyxml.h>

#include <string>

namespace document {

// Starts a template markup: the declaration (version "1.0", encoding
// "utf-8", standalone "yes") and the root "Window", which is returned.
TiXmlElement* StartMarkupDocument(TiXmlDocument& document);

// Element names and values are UTF-16 in memory and UTF-8 in the markup.
TiXmlElement* AppendElement(TiXmlNode& parent, const QString& name);
void SetMarkupAttribute(TiXmlElement& element, const QString& name, const QString& value);

// Escapes an attribute value: the five markup characters as named
// entities, control characters as "&#xNN;". Every "&" is escaped, so a
// user's literal "&#x41;" reads back as typed.
std::string EscapeMarkupValue(const std::string& utf8);

// Prints a document or fragment the way templates are stored: one element
// a line, a tab per level, "\n" line ends, " />" closing empty elements and
// every value in double quotes (TinyXML's own printer switches to single
// quotes for values holding a double quote, which readers refuse).
class MarkupPrinter : public TiXmlVisitor
{
public:
    bool VisitEnter(const TiXmlDocument& document) override;
    bool VisitEnter(const TiXmlElement& element, const TiXmlAttribute* firstAttribute) override;
    bool VisitExit(const TiXmlElement& element) override;
    bool Visit(const TiXmlDeclaration& declaration) override;
    bool Visit(const TiXmlText& text) override;
    bool Visit(const TiXmlComment& comment) override;
    bool Visit(const TiXmlUnknown& unknown) override;

    const std::string& Text() const { return m_text; }

private:
    void Indent();
    // True for an element whose only child is text, printed on one line.
    static bool IsSimpleTextElement(const TiXmlElement& element);

    std::string m_text;
    int m_depth = 0;
    bool m_simpleText = false;
};

QByteArray PrintMarkup(const TiXmlNode& node);

} // namespace document
