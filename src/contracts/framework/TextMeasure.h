#pragma once
// The width of a text in pixels, as the lists measure their column headers. Headless there is no
// font rasteriser: the default measure gives 6 pixels per character (per UTF-8 code point) whatever
// the font; a host with real font metrics installs its own measure.
#include <functional>
#include <string>

#include "PhotoquantExport.h"
#include "contracts/framework/LogFont.h"

using TextMeasure = std::function<int(const LOGFONT& font, const std::string& text)>;

// An empty function restores the default measure.
PQ_EXPORT void AfxSetTextMeasure(TextMeasure measure);
// Width of text in font, by the measure in force.
PQ_EXPORT int AfxMeasureText(const LOGFONT& font, const std::string& text);
