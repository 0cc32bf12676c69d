#include "report/pdf_document.h"

#include "files/atomic_write.h"
#include "text/windows1252.h"
#include "version.h"

namespace gyrant {

PdfDocument::PdfDocument(const QPageLayout& layout) : m_buffer(&m_bytes), m_writer(&m_buffer) {
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setResolution(600);
    m_writer.setCreator(QString::fromLatin1(kProgramName));
    m_writer.setPageLayout(layout);
}

Outcome PdfDocument::Save(const std::filesystem::path& path) const {
    if (m_bytes.isEmpty())
        return Outcome::Failure("Nothing was printed into " + FileNameText(path.string()) + ".");
    return WriteFileAtomically(path, m_bytes.toStdString());
}

}  // namespace gyrant
