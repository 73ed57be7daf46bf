#include <gtest/gtest.h>

#include "PagesTestSupport.h"
#include "document/InstrumentListing.h"

using photoquant::detail::sInstrumentListingText;

namespace {

std::string sInstList(CUVPhotometryData* pDoc) {
    return sPageList<CPhotDataInstProp>(pDoc, 1002);
}

}  // namespace

TEST(InstrumentPage, FixedWavelengthListLeavesOutThePathRowsOfTheReportText) {
    CUVPhotometryData doc(0, 1, 1, 2, 2);
    doc.pdGetWave()[0] = 450.0;
    doc.pdGetWave()[1] = 600.0;
    vGiveInstrument(doc, 3, 0);
    EXPECT_NE(sInstrumentListingText(doc).find("Path Length:\t10.0 mm"), std::string::npos);
    // Slit width in fixed notation: the wavelength rows wrote fixed numbers before it.
    EXPECT_EQ(sInstList(&doc),
              "Measurement Type=Photometry, Wavelength|Data Mode=Abs|Number of Wavelengths=2|"
              "Wavelength 1=450.0 nm|Wavelength 2=600.0 nm|Delay=0 s|Slit Width=2.00 nm|");
    CUVPhotometryData bare(0, 1, 1, 1, 1);  // no instrument parameters
    EXPECT_EQ(sInstList(&bare) + sInstList(nullptr), "");
}

TEST(InstrumentPage, SpectralListsCarrySectionHeadersAndThePageOwnValues) {
    CUVPhotometryData doc(2, 1, 1, 1, 1);
    CUVInstrParameters inst;
    inst.m_iSelectType = 9;
    inst.m_dNIRSlitWidth = 4.9;  // cut to 4: slit code 4, whose text is "2"
    inst.m_iLampChangeMode = 1;  // the page asks with the field: "Manual"
    doc.vSetInstParam(inst.pCopy());
    std::string list = sInstList(&doc);
    // Peak height names its integration method too; sensitivity 0 gives 2^0.
    EXPECT_NE(list.find("|--- Peak Detection ---= |Peak Apex=450.0 +/- 1.0 nm|"
                        "Integration Method=Rectangular|Threshold=0.0100|Sensitivity= 1|"),
              std::string::npos);
    EXPECT_NE(list.find("|--- NIR ---= |Slit=2 nm|"), std::string::npos);
    EXPECT_NE(list.find("|Lamp Change Mode=Manual|"), std::string::npos);
    EXPECT_EQ(list.find("-----------="), std::string::npos);

    doc.vSetQuantType(3);
    list = sInstList(&doc);
    EXPECT_NE(list.find("|--- Derivative ---= |Wavelength=450.0 nm|Derivative Order=2|"
                        "Smoothing Order=3|Number of points=7|"),
              std::string::npos);
}
