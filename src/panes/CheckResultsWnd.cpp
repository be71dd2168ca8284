#include "panes/CheckResultsWnd.h"

#include "elements/ElementKind.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace panes {

namespace {

using namespace MarkupUI;

constexpr const char* kContext = "panes::CCheckResultsWnd";

enum Column
{
    kSeverityColumn,
    kElementColumn,
    kMessageColumn,
    kColumnCount
};

// The finding's position in the list it came in, kept on the row so that
// sorting the rows never loses which element a row names.
constexpr int kFindingRole = Qt::UserRole + 1;

QString Translate(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString SeverityName(check::Severity severity)
{
    switch (severity) {
    case check::Severity::Error:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Error"));
    case check::Severity::Warning:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Warning"));
    case check::Severity::Note:
        break;
    }
    return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Note"));
}

QIcon SeverityIcon(check::Severity severity)
{
    QStyle* style = QApplication::style();
    switch (severity) {
    case check::Severity::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case check::Severity::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case check::Severity::Note:
        break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxInformation);
}

QString ValuesText(const check::Finding& finding)
{
    QStringList parts;
    for (const check::FindingValue& value : finding.values) {
        parts << QStringLiteral("%1 = %2").arg(value.key, QString::number(value.value, 'g', 6));
    }
    return parts.join(QLatin1Char('\n'));
}

} // namespace

QString ElementKindName(int kind)
{
    switch (kind) {
    case kElementForm:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Page"));
    case kElementPicture:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Picture"));
    case kElementText:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Text"));
    case kElementQueuingNum:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Ticket number"));
    case kElementWaitingCount:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Waiting count"));
    case kElementCurrentNum:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Now serving"));
    case kElementTime:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Time"));
    case kElementHorizontalLine:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Horizontal line"));
    case kElementVerticalLine:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Vertical line"));
    case kElementRectangle:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Rectangle"));
    case kElementCircle:
        return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Circle"));
    default:
        break;
    }
    return Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Element"));
}

CCheckResultsWnd::CCheckResultsWnd(QWidget* parent)
    : QDockWidget(parent), m_summary(new QLabel), m_list(new QTreeWidget)
{
    setObjectName(QStringLiteral("checkResultsPane"));
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_list->setColumnCount(kColumnCount);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list);
    setWidget(body);
    // itemActivated covers the double-click and the Enter key.
    connect(m_list, &QTreeWidget::itemActivated, this, &CCheckResultsWnd::OnItemActivated);
    Retranslate();
}

void CCheckResultsWnd::ShowFindings(const std::vector<check::Finding>& findings)
{
    m_findings = findings;
    // Errors first, then warnings, then notes; page order within each.
    std::stable_sort(m_findings.begin(), m_findings.end(), [](const check::Finding& a, const check::Finding& b) {
        return a.severity < b.severity;
    });
    m_checked = true;
    Refill();
}

void CCheckResultsWnd::Refill()
{
    m_list->clear();
    for (size_t i = 0; i < m_findings.size(); ++i) {
        const check::Finding& finding = m_findings[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setIcon(kSeverityColumn, SeverityIcon(finding.severity));
        item->setText(kSeverityColumn, SeverityName(finding.severity));
        item->setText(kElementColumn, finding.elementIndex < 0
                                          ? ElementKindName(kElementForm)
                                          : Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "%1 #%2"))
                                                .arg(ElementKindName(finding.elementKind))
                                                .arg(finding.elementIndex + 1));
        item->setText(kMessageColumn, finding.message);
        item->setToolTip(kMessageColumn, ValuesText(finding));
        item->setData(kSeverityColumn, kFindingRole, static_cast<int>(i));
    }
    for (int column = 0; column < kMessageColumn; ++column) {
        m_list->resizeColumnToContents(column);
    }
    if (!m_checked) {
        m_summary->setText(Translate(QT_TRANSLATE_NOOP(
            "panes::CCheckResultsWnd", "Check the template (File menu) to see what may print differently.")));
    } else if (m_findings.empty()) {
        m_summary->setText(
            Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "No findings: the ticket prints as designed.")));
    } else {
        const check::FindingCounts counts = check::CountFindings(m_findings);
        m_summary->setText(Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd",
                                                       "Errors %1, warnings %2, notes %3. Double-click a "
                                                       "finding to select its element."))
                               .arg(counts.errors)
                               .arg(counts.warnings)
                               .arg(counts.notes));
    }
}

void CCheckResultsWnd::OnItemActivated(QTreeWidgetItem* item)
{
    if (item == nullptr) {
        return;
    }
    const int row = item->data(kSeverityColumn, kFindingRole).toInt();
    if (row >= 0 && row < static_cast<int>(m_findings.size()) && m_findings[row].elementIndex >= 0) {
        emit ElementActivated(m_findings[row].elementIndex);
    }
}

void CCheckResultsWnd::changeEvent(QEvent* event)
{
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
}

void CCheckResultsWnd::Retranslate()
{
    setWindowTitle(Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Check Results")));
    m_list->setHeaderLabels({Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Severity")),
                             Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Element")),
                             Translate(QT_TRANSLATE_NOOP("panes::CCheckResultsWnd", "Finding"))});
    Refill();
}

} // namespace panes
