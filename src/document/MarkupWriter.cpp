#include "document/MarkupWriter.h"

#include <cstdio>

namespace document {

TiXmlElement* StartMarkupDocument(TiXmlDocument& document)
{
    document.LinkEndChild(new TiXmlDeclaration("1.0", "utf-8", "yes"));
    return static_cast<TiXmlElement*>(document.LinkEndChild(new TiXmlElement("Window")));
}

TiXmlElement* AppendElement(TiXmlNode& parent, const QString& name)
{
    return static_cast<TiXmlElement*>(parent.LinkEndChild(new TiXmlElement(name.toStdString())));
}

void SetMarkupAttribute(TiXmlElement& element, const QString& name, const QString& value)
{
    element.SetAttribute(name.toStdString(), value.toStdString());
}

std::string EscapeMarkupValue(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 32) {
                char reference[8];
                std::snprintf(reference, sizeof reference, "&#x%02X;", static_cast<unsigned char>(c));
                out += reference;
            } else {
                out += c;
            }
        }
    }
    return out;
}

bool MarkupPrinter::VisitEnter(const TiXmlDocument&)
{
    m_text.clear();
    m_depth = 0;
    return true;
}

bool MarkupPrinter::VisitEnter(const TiXmlElement& element, const TiXmlAttribute* firstAttribute)
{
    Indent();
    m_text += '<';
    m_text += element.ValueStr();
    for (const TiXmlAttribute* attribute = firstAttribute; attribute; attribute = attribute->Next()) {
        m_text += ' ';
        m_text += attribute->NameTStr();
        m_text += "=\"";
        m_text += EscapeMarkupValue(attribute->ValueStr());
        m_text += '"';
    }
    if (!element.FirstChild()) {
        m_text += " />\n";
    } else if (IsSimpleTextElement(element)) {
        m_text += '>';
        m_simpleText = true;
    } else {
        m_text += ">\n";
    }
    ++m_depth;
    return true;
}

bool MarkupPrinter::VisitExit(const TiXmlElement& element)
{
    --m_depth;
    if (!element.FirstChild()) {
        return true;
    }
    if (m_simpleText) {
        m_simpleText = false;
    } else {
        Indent();
    }
    m_text += "</";
    m_text += element.ValueStr();
    m_text += ">\n";
    return true;
}

bool MarkupPrinter::Visit(const TiXmlDeclaration& declaration)
{
    Indent();
    m_text += "<?xml ";
    const std::pair<const char*, const char*> fields[] = {{"version", declaration.Version()},
                                                          {"encoding", declaration.Encoding()},
                                                          {"standalone", declaration.Standalone()}};
    for (const auto& [name, value] : fields) {
        if (value && *value) {
            m_text += name;
            m_text += "=\"";
            m_text += EscapeMarkupValue(value);
            m_text += "\" ";
        }
    }
    m_text += "?>\n";
    return true;
}

bool MarkupPrinter::Visit(const TiXmlText& text)
{
    std::string escaped;
    for (const char c : text.ValueStr()) {
        // Line breaks and tabs are legal in text; only markup characters need escaping.
        escaped += (c == '\n' || c == '\t') ? std::string(1, c) : EscapeMarkupValue(std::string(1, c));
    }
    if (m_simpleText) {
        m_text += escaped;
        return true;
    }
    Indent();
    m_text += escaped;
    m_text += '\n';
    return true;
}

bool MarkupPrinter::Visit(const TiXmlComment& comment)
{
    Indent();
    m_text += "<!--" + comment.ValueStr() + "-->\n";
    return true;
}

bool MarkupPrinter::Visit(const TiXmlUnknown& unknown)
{
    Indent();
    m_text += "<" + unknown.ValueStr() + ">\n";
    return true;
}

void MarkupPrinter::Indent()
{
    m_text.append(static_cast<size_t>(std::max(m_depth, 0)), '\t');
}

bool MarkupPrinter::IsSimpleTextElement(const TiXmlElement& element)
{
    const TiXmlNode* child = element.FirstChild();
    return child && child->ToText() && !child->NextSibling();
}

QByteArray PrintMarkup(const TiXmlNode& node)
{
    MarkupPrinter printer;
    node.Accept(&printer);
    return QByteArray::fromStdString(printer.Text());
}

} // namespace document
