#include "contracts/framework/TextMeasure.h"

#include <mutex>

namespace {

constexpr int kPixelsPerCharacter = 6;

std::mutex g_measureLock;

// Counts code points: every byte that does not continue a multi-byte UTF-8 sequence.
int iDefaultMeasure(const LOGFONT&, const std::string& text) {
    int nCodePoints = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++nCodePoints;
        }
    }
    return kPixelsPerCharacter * nCodePoints;
}

TextMeasure& measure() {
    static TextMeasure current = iDefaultMeasure;
    return current;
}

}  // namespace

void AfxSetTextMeasure(TextMeasure newMeasure) {
    std::lock_guard<std::mutex> guard(g_measureLock);
    measure() = newMeasure ? std::move(newMeasure) : TextMeasure(iDefaultMeasure);
}

int AfxMeasureText(const LOGFONT& font, const std::string& text) {
    TextMeasure current;
    {
        std::lock_guard<std::mutex> guard(g_measureLock);
        current = measure();
    }
    return current(font, text);
}
