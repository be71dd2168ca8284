// What the designer prints its tickets from is exactly what the printer
// keeps after the upload: the preview and the printer cannot disagree.
#include "device/PrintedTicket.h"
#include "device/UploadEncoder.h"
#include "document/DesignerDoc.h"
#include "emulator/StreamDecoder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(UploadedTemplate, DecodingTheUploadOfEverySampleGivesWhatTheDesignerPrintsFrom)
{
    const QStringList samples = QDir(QStringLiteral(TICKET_SOURCE_SAMPLES)).entryList({QStringLiteral("*.vt")});
    ASSERT_GE(samples.size(), 4);
    for (const QString& name : samples) {
        SCOPED_TRACE(name.toStdString());
        document::CDesignerDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(QDir(QStringLiteral(TICKET_SOURCE_SAMPLES)).filePath(name)));
        document::ShowAsDesignView(doc);
        const device::PrinterTemplate planned = device::UploadedTemplateOf(*doc.GetForm());
        ASSERT_FALSE(planned.glyphSets.empty());

        emulator::PrinterState state;
        const std::vector<std::uint8_t> stream = device::EncodeTemplateUpload(*doc.GetForm()).Concatenate();
        ASSERT_FALSE(emulator::DecodeStream(stream, state).has_value());
        ASSERT_TRUE(state.uploadedTemplate.has_value());
        EXPECT_TRUE(*state.uploadedTemplate == planned);
        device::TicketValues busy;
        busy.ticket = 9999;
        EXPECT_EQ(device::ComposeTicket(*state.uploadedTemplate, busy), device::ComposeTicket(planned, busy));
    }
}

} // namespace
