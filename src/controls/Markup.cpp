#include "controls/Markup.h"

#include "controls/ResourceArchive.h"

#include <QFile>
#include <QStringDecoder>

namespace MarkupUI {

namespace {

bool IsSpace(QChar c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Decodes one "&#...;" reference at text[at]; the code point or -1.
char32_t NumericReference(QStringView text, qsizetype at, qsizetype* length)
{
    qsizetype i = at + 2;
    int base = 10;
    if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    }
    const qsizetype digitsStart = i;
    char32_t value = 0;
    while (i < text.size() && i - digitsStart < 8) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            break;
        }
        value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
        ++i;
    }
    const bool valid = i > digitsStart && i < text.size() && text[i] == ';' && value != 0 &&
                       value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    if (!valid) {
        return static_cast<char32_t>(-1);
    }
    *length = i + 1 - at;
    return value;
}

} // namespace

QString CMarkup::DecodeEntities(QStringView text)
{
    static const std::pair<QLatin1StringView, QChar> named[] = {
        {QLatin1StringView("&amp;"), QChar('&')},   {QLatin1StringView("&lt;"), QChar('<')},
        {QLatin1StringView("&gt;"), QChar('>')},    {QLatin1StringView("&quot;"), QChar('"')},
        {QLatin1StringView("&apos;"), QChar('\'')},
    };
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        bool decoded = false;
        for (const auto& [entity, character] : named) {
            if (text.sliced(i).startsWith(entity)) {
                out += character;
                i += entity.size();
                decoded = true;
                break;
            }
        }
        if (!decoded && i + 1 < text.size() && text[i + 1] == '#') {
            qsizetype length = 0;
            const char32_t codePoint = NumericReference(text, i, &length);
            if (codePoint != static_cast<char32_t>(-1)) {
                out += QString::fromUcs4(&codePoint, 1);
                i += length;
                decoded = true;
            }
        }
        if (!decoded) {
            out += text[i++];
        }
    }
    return out;
}

// One pass over the text; open elements are kept on a stack rather than
// the call stack, so deep nesting in a hostile file cannot overflow it.
class CMarkup::Parser
{
public:
    Parser(CMarkup& markup, QStringView text) : m_markup(markup), m_text(text) {}

    bool Run()
    {
        if (!SkipProlog()) {
            return false;
        }
        if (AtEnd() || m_text[m_pos] != '<') {
            return m_markup.Fail(QStringLiteral("Expected start tag"), Rest());
        }
        std::vector<int> open;
        bool selfClosed = false;
        int root = -1;
        if (!StartTag(-1, &root, &selfClosed)) {
            return false;
        }
        if (!selfClosed) {
            open.push_back(root);
        }
        while (!open.empty()) {
            const int current = open.back();
            const qsizetype textStart = m_pos;
            while (!AtEnd() && m_text[m_pos] != '<') {
                ++m_pos;
            }
            AppendValue(current, m_text.sliced(textStart, m_pos - textStart));
            if (AtEnd()) {
                return m_markup.Fail(QStringLiteral("Expected end-tag start"), Rest());
            }
            if (LookingAt(u"</")) {
                if (!EndTag(current)) {
                    return false;
                }
                open.pop_back();
            } else if (LookingAt(u"<!") || LookingAt(u"<?")) {
                if (!SkipConstruct()) {
                    return m_markup.Fail(QStringLiteral("Expected end-tag start"), Rest());
                }
            } else {
                int child = -1;
                if (!StartTag(current, &child, &selfClosed)) {
                    return false;
                }
                if (!selfClosed) {
                    open.push_back(child);
                }
            }
        }
        return true;
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    bool LookingAt(QStringView what) const { return m_text.sliced(m_pos).startsWith(what); }
    QStringView Rest() const { return m_text.sliced(std::min(m_pos, m_text.size())).left(50); }
    void SkipSpace()
    {
        while (!AtEnd() && IsSpace(m_text[m_pos])) {
            ++m_pos;
        }
    }

    // Declarations, processing instructions, comments, document types.
    bool SkipConstruct()
    {
        QStringView terminator = u">";
        if (LookingAt(u"<?")) {
            terminator = u"?>";
        } else if (LookingAt(u"<!--")) {
            terminator = u"-->";
        } else if (LookingAt(u"<![CDATA[")) {
            terminator = u"]]>";
        }
        const qsizetype end = m_text.indexOf(terminator, m_pos + 2);
        if (end < 0) {
            return false;
        }
        m_pos = end + terminator.size();
        return true;
    }

    bool SkipProlog()
    {
        for (;;) {
            SkipSpace();
            if (!LookingAt(u"<?") && !LookingAt(u"<!")) {
                return true;
            }
            if (!SkipConstruct()) {
                return m_markup.Fail(QStringLiteral("Expected start tag"), Rest());
            }
        }
    }

    QStringView ReadName()
    {
        const qsizetype start = m_pos;
        while (!AtEnd() && !IsSpace(m_text[m_pos]) && m_text[m_pos] != '/' && m_text[m_pos] != '>' &&
               m_text[m_pos] != '=' && m_text[m_pos] != '<' && m_text[m_pos] != '"') {
            ++m_pos;
        }
        return m_text.sliced(start, m_pos - start);
    }

    bool StartTag(int parent, int* index, bool* selfClosed)
    {
        ++m_pos; // '<'
        const QStringView name = ReadName();
        if (name.isEmpty()) {
            return m_markup.Fail(QStringLiteral("Error parsing element name"), Rest());
        }
        *index = static_cast<int>(m_markup.m_elements.size());
        Element element;
        element.name = name.toString();
        element.parent = parent;
        m_markup.m_elements.push_back(std::move(element));
        if (parent >= 0) {
            Element& owner = m_markup.m_elements[static_cast<size_t>(parent)];
            if (owner.lastChild >= 0) {
                m_markup.m_elements[static_cast<size_t>(owner.lastChild)].next = *index;
            } else {
                owner.firstChild = *index;
            }
            owner.lastChild = *index;
        }
        for (;;) {
            SkipSpace();
            if (AtEnd()) {
                return m_markup.Fail(QStringLiteral("Expected start-tag closing"), Rest());
            }
            if (m_text[m_pos] == '>') {
                ++m_pos;
                *selfClosed = false;
                return true;
            }
            if (m_text[m_pos] == '/') {
                if (!LookingAt(u"/>")) {
                    return m_markup.Fail(QStringLiteral("Expected start-tag closing"), Rest());
                }
                m_pos += 2;
                *selfClosed = true;
                return true;
            }
            if (!Attribute(*index)) {
                return false;
            }
        }
    }

    bool Attribute(int index)
    {
        const QStringView name = ReadName();
        SkipSpace();
        if (name.isEmpty() || AtEnd() || m_text[m_pos] != '=') {
            return m_markup.Fail(QStringLiteral("Error while parsing attributes"), Rest());
        }
        ++m_pos;
        SkipSpace();
        if (AtEnd() || m_text[m_pos] != '"') {
            return m_markup.Fail(QStringLiteral("Expected attribute value"), Rest());
        }
        ++m_pos;
        const qsizetype end = m_text.indexOf(u'"', m_pos);
        if (end < 0) {
            return m_markup.Fail(QStringLiteral("Error while parsing attribute string"), Rest());
        }
        auto& attributes = m_markup.m_elements[static_cast<size_t>(index)].attributes;
        if (static_cast<int>(attributes.size()) < kMaxAttributes) {
            attributes.emplace_back(name.toString(), DecodeEntities(m_text.sliced(m_pos, end - m_pos)));
        }
        m_pos = end + 1;
        return true;
    }

    bool EndTag(int current)
    {
        m_pos += 2; // "</"
        const QStringView name = ReadName();
        SkipSpace();
        if (name != m_markup.m_elements[static_cast<size_t>(current)].name || AtEnd() ||
            m_text[m_pos] != '>') {
            return m_markup.Fail(QStringLiteral("Unmatched closing tag"), Rest());
        }
        ++m_pos;
        return true;
    }

    void AppendValue(int index, QStringView text)
    {
        const QStringView trimmed = text.trimmed();
        if (!trimmed.isEmpty()) {
            m_markup.m_elements[static_cast<size_t>(index)].value += DecodeEntities(trimmed);
        }
    }

    CMarkup& m_markup;
    QStringView m_text;
    qsizetype m_pos = 0;
};

bool CMarkup::Load(QStringView xml)
{
    Release();
    Parser parser(*this, xml);
    if (!parser.Run()) {
        m_elements.clear();
        return false;
    }
    return true;
}

bool CMarkup::LoadFromMem(QByteArrayView utf8)
{
    Release();
    if (utf8.isEmpty()) {
        return Fail(QStringLiteral("File is empty"), {});
    }
    if (utf8.size() > kMaxMarkupBytes) {
        return Fail(QStringLiteral("File too large"), {});
    }
    if (utf8.startsWith("\xEF\xBB\xBF")) {
        utf8 = utf8.sliced(3);
    }
    return Load(QString::fromUtf8(utf8));
}

bool CMarkup::LoadFromFile(const QString& path)
{
    Release();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(QStringLiteral("Error opening file"), {});
    }
    if (file.size() == 0) {
        return Fail(QStringLiteral("File is empty"), {});
    }
    if (file.size() > kMaxMarkupBytes) {
        return Fail(QStringLiteral("File too large"), {});
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        return Fail(QStringLiteral("Could not read file"), {});
    }
    return LoadFromMem(bytes);
}

bool CMarkup::LoadFromArchive(const ResourceArchive* archive, const QString& entryName)
{
    Release();
    if (!archive) {
        return Fail(QStringLiteral("Error opening zip file"), {});
    }
    QString whyNot;
    const std::optional<QByteArray> bytes = archive->ReadEntryLimited(entryName, kMaxMarkupBytes, &whyNot);
    if (!bytes) {
        return Fail(whyNot.isEmpty() ? QStringLiteral("Could not unzip file") : whyNot, {});
    }
    return LoadFromMem(*bytes);
}

void CMarkup::Release()
{
    m_elements.clear();
    m_errorMessage.clear();
    m_errorLocation.clear();
}

bool CMarkup::Fail(const QString& message, QStringView location)
{
    m_errorMessage = message;
    m_errorLocation = location.toString();
    return false;
}

CMarkupNode CMarkup::GetRoot() const
{
    return m_elements.empty() ? CMarkupNode() : CMarkupNode(this, 0);
}

// ---- CMarkupNode

CMarkupNode CMarkupNode::GetParent() const
{
    return IsValid() ? CMarkupNode(m_owner, m_owner->m_elements[static_cast<size_t>(m_index)].parent)
                     : CMarkupNode();
}

CMarkupNode CMarkupNode::GetSibling() const
{
    return IsValid() ? CMarkupNode(m_owner, m_owner->m_elements[static_cast<size_t>(m_index)].next)
                     : CMarkupNode();
}

CMarkupNode CMarkupNode::GetChild() const
{
    return IsValid() ? CMarkupNode(m_owner, m_owner->m_elements[static_cast<size_t>(m_index)].firstChild)
                     : CMarkupNode();
}

CMarkupNode CMarkupNode::GetChild(const QString& name) const
{
    for (CMarkupNode child = GetChild(); child.IsValid(); child = child.GetSibling()) {
        if (child.GetName() == name) {
            return child;
        }
    }
    return {};
}

QString CMarkupNode::GetName() const
{
    return IsValid() ? m_owner->m_elements[static_cast<size_t>(m_index)].name : QString();
}

QString CMarkupNode::GetValue() const
{
    return IsValid() ? m_owner->m_elements[static_cast<size_t>(m_index)].value : QString();
}

int CMarkupNode::GetAttributeCount() const
{
    return IsValid() ? static_cast<int>(m_owner->m_elements[static_cast<size_t>(m_index)].attributes.size())
                     : 0;
}

QString CMarkupNode::GetAttributeName(int index) const
{
    if (index < 0 || index >= GetAttributeCount()) {
        return {};
    }
    return m_owner->m_elements[static_cast<size_t>(m_index)].attributes[static_cast<size_t>(index)].first;
}

QString CMarkupNode::GetAttributeValue(int index) const
{
    if (index < 0 || index >= GetAttributeCount()) {
        return {};
    }
    return m_owner->m_elements[static_cast<size_t>(m_index)].attributes[static_cast<size_t>(index)].second;
}

bool CMarkupNode::GetAttributeValue(const QString& name, QString* value) const
{
    for (int i = 0; i < GetAttributeCount(); ++i) {
        if (GetAttributeName(i) == name) {
            *value = GetAttributeValue(i);
            return true;
        }
    }
    return false;
}

QString CMarkupNode::GetAttributeValue(const QString& name) const
{
    QString value;
    GetAttributeValue(name, &value);
    return value;
}

bool CMarkupNode::HasAttribute(const QString& name) const
{
    QString ignored;
    return GetAttributeValue(name, &ignored);
}

} // namespace MarkupUI
