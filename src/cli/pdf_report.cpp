#include "pdf_report.h"

#include <dlfcn.h>

#include "pdf_module.h"
#include "text/windows1252.h"

namespace gyrant {

Outcome WritePdfReport(const Worksheet& sheet, const std::string& path,
                       const std::vector<double>& runRatios,
                       const std::filesystem::path& programFolder) {
    // Beside the program in the build tree, in lib/gyrant when installed.
    std::filesystem::path module = programFolder / "gyrant-pdf.so";
    std::error_code error;
    if (!std::filesystem::exists(module, error))
        module = programFolder.parent_path() / "lib" / "gyrant" / "gyrant-pdf.so";
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return Outcome::Failure("The PDF report needs " + FileNameText(module.string()) + ": " +
                                dlerror());
    auto write = reinterpret_cast<PdfReportWriter>(dlsym(handle, kPdfReportWriterName));
    if (!write) return Outcome::Failure(FileNameText(module.string()) + " can not write reports.");
    std::string message;
    bool written = write(sheet, path.c_str(), runRatios, message);
    return written ? Outcome::Success() : Outcome::Failure(message);
}

}  // namespace gyrant
