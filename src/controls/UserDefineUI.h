#pragma once

#include "controls/ControlUI.h"

#include <map>

namespace MarkupUI {

// An element of a tag this designer does not know (for example one written
// by a newer designer). It keeps its tag and every attribute as read, so a
// save writes it back unchanged; it takes no part in layout or printing.
class CUserDefineUI : public CControlUI
{
public:
    explicit CUserDefineUI(const QString& tag);

    QString GetClass() const override { return m_tag; }
    void* GetInterface(const QString& name) override;
    void SetAttribute(const QString& name, const QString& value) override;

    QString GetTagName() const { return m_tag; }
    // Attribute name to value, ordered by name.
    const std::map<QString, QString>& GetAttributes() const { return m_attributes; }

private:
    QString m_tag;
    std::map<QString, QString> m_attributes;
};

} // namespace MarkupUI
