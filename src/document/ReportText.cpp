#include "document/ReportText.h"

#include <cstdio>
#include <fstream>

#include "contracts/uikit/UvDataStr.h"
#include "document/PhotometricNumbers.h"

namespace photoquant::detail {

void vWriteReportLine(std::ostream& out, const std::string& label, const std::string& value) {
    out << label << ":\t" << value << '\n';
}

std::string sCutToFit(const std::string& text, size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    size_t n = limit;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
        --n;
    }
    return text.substr(0, n);
}

std::string sCoefficientText(double value) {
    return bIsUsable(value) ? UVDATASTR(value) : std::string(kUnusableText);
}

int bWriteReportFile(const std::string& path, const std::function<void(std::ostream&)>& writer) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::out | std::ios::trunc);
        if (!out) {
            return 0;
        }
        writer(out);
        out.put('\0');
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return 0;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return 0;
    }
    return 1;
}

}  // namespace photoquant::detail
