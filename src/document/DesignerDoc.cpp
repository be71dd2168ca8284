#include "document/DesignerDoc.h"

#include "controls/PaintManagerUI.h"
#include "document/TemplateWriter.h"
#include "platform/Logger.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace document {

using namespace MarkupUI;

namespace {
constexpr qint64 kMaxMarkupBytes = qint64(4) << 20;

// The document's messages, in the user's language.
struct DocumentText
{
    Q_DECLARE_TR_FUNCTIONS(document)
};
} // namespace

CDesignerDoc::CDesignerDoc()
{
    ResetContents();
}

CDesignerDoc::~CDesignerDoc() = default;

void CDesignerDoc::ResetContents()
{
    m_paintManager = std::make_shared<CPaintManagerUI>();
    m_form = FormPtr(new CFormUI);
}

bool CDesignerDoc::OnNewDocument()
{
    DeleteContents();
    m_archive.SetPath(QString());
    m_pathName.clear();
    m_openWarnings.clear();
    ResetContents();
    SetModifiedFlag(false);
    NotifyContentsReplaced();
    return true;
}

bool CDesignerDoc::OnOpenDocument(const QString& path)
{
    // Nothing is cleared before we know the file can be read.
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        m_lastError = DocumentText::tr("Cannot open %1: %2").arg(path, probe.errorString());
        return false;
    }
    probe.close();

    DeleteContents();
    m_openWarnings.clear();
    m_paintManager = std::make_shared<CPaintManagerUI>();
    m_form.reset();

    if (QString refused; !m_archive.OpenFile(path, &refused)) {
        // The reader's own words follow when it refused a limit, not the format.
        const qsizetype colon = refused.indexOf(QLatin1Char(':'));
        m_openWarnings << (colon < 0 ? DocumentText::tr("The file is not a ZIP archive.")
                                     : DocumentText::tr("The file is not a ZIP archive.") +
                                           QStringLiteral(" (") + refused.mid(colon + 2) + QLatin1Char(')'));
    } else {
        QString whyNot;
        const std::optional<QByteArray> markup = m_archive.Reader()->ReadEntryLimited(
            QString::fromLatin1(TemplateArchive::kMarkupEntry), kMaxMarkupBytes, &whyNot);
        if (!markup) {
            m_openWarnings << DocumentText::tr("The archive holds no readable skin.xml (%1).").arg(whyNot);
        } else {
            QString error;
            const ControlPtr root = m_builder.Build(*markup, m_paintManager.get(), nullptr, &error);
            auto* form = root ? static_cast<CFormUI*>(root->GetInterface(QStringLiteral("Form"))) : nullptr;
            if (form != nullptr) {
                m_form = FormPtr(form);
            } else if (root) {
                m_openWarnings << DocumentText::tr("The markup does not start with a form.");
            } else {
                m_openWarnings << DocumentText::tr("The markup cannot be read: %1").arg(error);
            }
        }
    }
    if (!m_form) {
        m_form = FormPtr(new CFormUI);
    }
    if (!m_openWarnings.isEmpty()) {
        TICKET_LOG(platform::Warning)
            << "Opened " << platform::Utf8(path)
            << " as an empty form: " << platform::Utf8(m_openWarnings.join(QLatin1Char(' ')));
    }
    m_archive.SetPath(path);
    m_pathName = path;
    SetModifiedFlag(false);
    NotifyContentsReplaced();
    return true;
}

bool CDesignerDoc::OnSaveDocument(const QString& path)
{
    m_lastError.clear();
    m_archive.SetPath(path);
    const QByteArray markup = WriteTemplateMarkup(*m_form, *m_paintManager, m_archive.Directory());
    const std::optional<QByteArray> bytes = m_archive.ReplaceMarkup(markup, path);
    if (!bytes) {
        m_lastError = DocumentText::tr("The template archive could not be rebuilt.");
        return false;
    }
    // Written beside the target and renamed over it only when complete, so
    // a full disk or a crash never destroys the previous template.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        TICKET_LOG(platform::Warning) << "can't CreateFile " << platform::Utf8(path);
        m_lastError = DocumentText::tr("Cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    m_pathName = path;
    SetModifiedFlag(false);
    return true;
}

void CDesignerDoc::DeleteContents()
{
    for (DocumentObserver* observer : m_observers) {
        observer->DocumentWillDeleteContents();
    }
    m_archive.Clear();
    if (m_form && m_paintManager) {
        m_form->SetObserver(nullptr);
        m_paintManager->ReapObjects(m_form.get());
        for (int i = 0; i < m_form->GetCount(); ++i) {
            m_form->GetItemAt(i)->SetManager(nullptr, nullptr, false);
        }
        // The form may outlive its paint manager (the manager is replaced
        // first): it must not reach back into it when it dies.
        m_form->CControlUI::SetManager(nullptr, nullptr, false);
    }
}

void CDesignerDoc::SetModifiedFlag(bool modified)
{
    if (!modified) {
        for (DocumentObserver* observer : m_observers) {
            observer->DocumentWillBeClean();
        }
    }
    const bool changed = m_modified != modified;
    m_modified = modified;
    if (changed) {
        for (DocumentObserver* observer : m_observers) {
            observer->DocumentModifiedChanged(modified);
        }
    }
}

int CDesignerDoc::PutArchiveEntry(const QString& name, const QString& sourcePath)
{
    return m_archive.PutEntry(name, sourcePath);
}

void CDesignerDoc::AddObserver(DocumentObserver* observer)
{
    if (observer != nullptr &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void CDesignerDoc::RemoveObserver(DocumentObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CDesignerDoc::NotifyContentsReplaced()
{
    for (DocumentObserver* observer : m_observers) {
        observer->DocumentContentsReplaced();
    }
}

void SizeFormAsDesignView(CFormUI& form)
{
    const float paper = float(form.GetPaperWidthMm());
    // Single precision and truncation, as the view has always sized pages.
    const float defaultWidthF = paper * form.GetDpiX() * 10.0f / 254.0f;
    int32_t defaultWidth = 0;
    if (std::isfinite(defaultWidthF)) {
        defaultWidth = static_cast<int32_t>(std::clamp(defaultWidthF, 0.0f, 1.0e6f));
    }
    const int32_t defaultHeight = static_cast<int32_t>(int64_t(defaultWidth) * 5 / 4);
    const int32_t width = form.GetFixedWidth() != 0 ? form.GetFixedWidth() : defaultWidth;
    const int32_t height = form.GetFixedHeight() != 0 ? form.GetFixedHeight() : defaultHeight;
    form.SetSize(width, height);
}

void ShowAsDesignView(CDesignerDoc& doc)
{
    doc.GetPaintManager()->SetSurfaceReady(true);
    doc.GetPaintManager()->AttachDialog(doc.GetForm());
    SizeFormAsDesignView(*doc.GetForm());
}

} // namespace document
