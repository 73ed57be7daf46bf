#include "host/RunFileSectionReader.h"

bool CRunFileSectionReader::bRatedValues(const json& rated, const std::string& where, CRunFile& run,
                                         CAccuracyCheck& check) {
    const auto waves = static_cast<size_t>(run.m_Method.pGetQuantParam()->m_iNumWave);
    if (!bArray(rated, where) ||
        !bCount(rated, where, run.m_vUnknowns.size(), "list", "rated values of each unknown")) {
        return false;
    }
    check.m_vvdRated.assign(rated.size(), std::vector<double>(waves, 0.0));
    for (size_t s = 0; s < rated.size(); ++s) {
        const std::string path = where + "/" + std::to_string(s);
        if (!bArray(rated[s], path) ||
            !bCount(rated[s], path, waves, "rated value", "one per wavelength")) {
            return false;
        }
        for (size_t w = 0; w < waves; ++w) {
            if (!bNumberValue(rated[s][w], path + "/" + std::to_string(w),
                              check.m_vvdRated[s][w])) {
                return false;
            }
        }
    }
    return true;
}

bool CRunFileSectionReader::bValidation(const json& root, CRunFile& run) {
    const json* pValidation = pField(root, "", "validation", false);
    if (pValidation == nullptr) {
        return true;
    }
    const std::string where = "/validation";
    CAccuracyCheck check;
    int iKind = 0;
    if (!bObject(*pValidation, where) || !bKnownFields(*pValidation, where, "/validation") ||
        !bChoice(*pValidation, where, "kind", {"photometric accuracy"}, "validation kind", iKind,
                 true) ||
        !bPositive(*pValidation, where, "tolerance", check.m_dTolerance)) {
        return false;
    }
    if (!pValidation->contains("tolerance")) {
        return bFail(where + "/tolerance", "missing field");
    }
    const json* pRated = pField(*pValidation, where, "rated", true);
    if (pRated == nullptr || !bRatedValues(*pRated, where + "/rated", run, check)) {
        return false;
    }
    run.m_Accuracy = std::move(check);
    return true;
}
