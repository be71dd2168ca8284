#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

namespace MarkupUI {

class CMarkup;
class ResourceArchive;

// A light handle on one element of a parsed markup; invalid handles answer
// empty values, so walks need no checks at every step.
class CMarkupNode
{
public:
    CMarkupNode() = default;

    bool IsValid() const { return m_owner != nullptr && m_index >= 0; }
    CMarkupNode GetParent() const;
    CMarkupNode GetSibling() const;
    CMarkupNode GetChild() const;
    CMarkupNode GetChild(const QString& name) const;
    bool HasSiblings() const { return GetSibling().IsValid(); }
    bool HasChildren() const { return GetChild().IsValid(); }

    QString GetName() const;
    // The element's text content, if any.
    QString GetValue() const;

    bool HasAttributes() const { return GetAttributeCount() > 0; }
    bool HasAttribute(const QString& name) const;
    int GetAttributeCount() const;
    QString GetAttributeName(int index) const;
    QString GetAttributeValue(int index) const;
    // Empty when the element has no attribute of that name.
    QString GetAttributeValue(const QString& name) const;
    bool GetAttributeValue(const QString& name, QString* value) const;

private:
    friend class CMarkup;
    CMarkupNode(const CMarkup* owner, int index) : m_owner(owner), m_index(index) {}

    const CMarkup* m_owner = nullptr;
    int m_index = -1;
};

// Reads template markup: the whole text at once into a tree of elements and
// attributes. Only double-quoted values are accepted; the five named
// entities and numeric character references are decoded, any other "&"
// stays literal. Declarations, processing instructions, comments and other
// "<!" constructs are skipped. A refused text leaves a message such as
// "Expected attribute value" for the log.
class CMarkup
{
public:
    static constexpr qsizetype kMaxMarkupBytes = 4 * 1024 * 1024;
    static constexpr int kMaxAttributes = 64;

    bool Load(QStringView xml);
    // UTF-8, with or without byte order mark.
    bool LoadFromMem(QByteArrayView utf8);
    bool LoadFromFile(const QString& path);
    // From an entry of the archive; "Error opening zip file" without one.
    bool LoadFromArchive(const ResourceArchive* archive, const QString& entryName);
    void Release();

    bool IsValid() const { return !m_elements.empty(); }
    CMarkupNode GetRoot() const;

    QString GetLastErrorMessage() const { return m_errorMessage; }
    // The text where parsing stopped, for the log.
    QString GetLastErrorLocation() const { return m_errorLocation; }

    // "&amp;" and the other named entities, "&#xNN;" and "&#NN;".
    static QString DecodeEntities(QStringView text);

private:
    friend class CMarkupNode;

    struct Element
    {
        QString name;
        QString value;
        int parent = -1;
        int next = -1;
        int firstChild = -1;
        int lastChild = -1;
        std::vector<std::pair<QString, QString>> attributes;
    };

    class Parser;
    bool Fail(const QString& message, QStringView location);

    std::vector<Element> m_elements;
    QString m_errorMessage;
    QString m_errorLocation;
};

} // namespace MarkupUI
