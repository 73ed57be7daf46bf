#include <gtest/gtest.h>

#include "PagesTestSupport.h"

namespace {

std::string sOptList(CUVPhotometryData* pDoc) {
    return sPageList<CPhotDataOptProp>(pDoc, 1032);
}

}  // namespace

TEST(AccessoryPage, SipperListsItsTimesAndTheTemperatureOnlyWhenSet) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    vGiveInstrument(doc, 5, 1);
    CUVSipperParameters* pSipper = doc.pGetSipperParam();
    pSipper->m_dSippingTime = 12.25;  // binary 12.25 is a tie: the stream rounds to even
    pSipper->m_dAirPurgeTime = 2.96;
    const std::string times =
        "--- Sipper ---=|Sipping time=12.2 s|Wait time=0.0 s|Air purge time=3.0 s|";
    EXPECT_EQ(sOptList(&doc), times);
    pSipper->m_iTemperature = 3;  // the fourth setting, 37 degrees
    EXPECT_EQ(sOptList(&doc), times + "Temperature=37 C|");
    pSipper->m_vsTemperatureTexts[3] = std::string(200, '3');
    // The 128-character cell buffer holds 127 of them; the unit is cut off too.
    EXPECT_EQ(sOptList(&doc), times + "Temperature=" + std::string(127, '3') + "|");
}

TEST(AccessoryPage, AutosamplerListsSeventeenRowsWithItsRack) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    vGiveInstrument(doc, 5, 2);
    doc.pGetMZ700Param()->m_iSyringe = 2;  // the second syringe: its capacity setting 3
    doc.pGetMZ700Param()->m_iSyringeCapacity2 = 3;
    doc.pGetMZ700Param()->m_dCycleTime = 3.6;  // to a whole minute: 4
    doc.pGetRackParam()->m_dX2 = 95.6;
    doc.pGetRackParam()->m_iPattern = 2;
    EXPECT_EQ(sOptList(&doc),
              "--- MZ-700 ---=|Syringe capacity=5000 ul|Syringe speed=Medium|First vial=1|"
              "Volume=500 ul|Cycle time=4 min|Number of needle washings=1|"
              "Number of injection port washings=1|--- Rack ---=|"
              "X position of first vial (X1)=0|X position of last vial (X2)=96|"
              "Number of vials on X axis=0|Needle height (Z)=0|Y position of first vial (Y1)=0|"
              "Y position of last vial (Y2)=0|Number of vials on Y axis=0|"
              "Rack pattern code(P)=2|");
}

TEST(AccessoryPage, MultiCellShowsATemperatureOnlyWhereTheHolderControlsOne) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    EXPECT_EQ(sOptList(&doc) + sOptList(nullptr), "");  // no instrument parameters, no document
    vGiveInstrument(doc, 5, 3);
    doc.pGetMultiCellParam()->m_dTemperature = 25.0;
    EXPECT_EQ(sOptList(&doc), "--- Cell ---=|Temperature=25.0 C|");
    vGiveInstrument(doc, 3, 3);  // a family without cell temperature control
    EXPECT_EQ(sOptList(&doc), "");
    vGiveInstrument(doc, 5, 4);  // a device the page has no rows for
    EXPECT_EQ(sOptList(&doc), "");
    vGiveInstrument(doc, 5, 3);
    doc.pGetMultiCellParam()->m_dTemperature = 0.0;
    EXPECT_EQ(sOptList(&doc), "");
}
