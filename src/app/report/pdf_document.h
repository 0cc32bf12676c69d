#pragma once

// A PDF made in memory and written whole to its file once it is finished, so that a file that
// cannot be written (a full disk, a folder that refuses it) is reported and never left half made.

#include <QBuffer>
#include <QPdfWriter>
#include <filesystem>

#include "outcome.h"

namespace gyrant {

class PdfDocument {
  public:
    explicit PdfDocument(const QPageLayout& layout);

    // Where the pages are painted; the painter must have ended before Save.
    QPdfWriter& Writer() { return m_writer; }
    // Writes the finished document to `path`; a failure names the file and the reason.
    Outcome Save(const std::filesystem::path& path) const;

  private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QPdfWriter m_writer;
};

}  // namespace gyrant
