// The web front end's session as its threads use it: the user-interface thread owns the documents,
// the simulated instrument feeds the intake, a reader follows the change feed. Run under
// ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "serve/ServeSession.h"

namespace {

using namespace std::chrono_literals;
using EList = CServeSession::EList;
using EDocument = CServeSession::EDocument;
constexpr auto kWait = 10s;

// The built-in example served: the session made and loaded on the user-interface thread.
struct Served {
    CRunFile run;
    CChangeFeed feed;
    CUiThread ui;
    std::unique_ptr<CServeSession> pSession;

    // The built-in example, or the run file at path.
    explicit Served(const std::string& path = "") {
        CRunError error;
        EXPECT_TRUE(path.empty() ? bReadBuiltinExample(run, error) : bReadRunFile(path, run, error))
            << error.sMessage();
        EXPECT_EQ(ui.Call(
                      [this] {
                          pSession = std::make_unique<CServeSession>(run, feed, ui);
                          std::string problem;
                          return pSession->bLoad(problem);
                      },
                      kWait),
                  true);
    }
    ~Served() {
        ui.Call([this] { return (pSession.reset(), true); }, kWait);
    }
    template <class F>
    auto On(F work) {
        return *ui.Call([this, work] { return work(*pSession); }, kWait);
    }
    nlohmann::json Lists() {
        return On([](CServeSession& s) {
            nlohmann::json lists;
            for (EList list : {EList::kStandards, EList::kStandardCalib, EList::kUnknowns,
                               EList::kUnknownCalib}) {
                lists.push_back(s.ListContent(list, 0, 1000));
            }
            return lists;
        });
    }
    bool bMeasuring() {
        return On([](CServeSession& s) { return s.State()["measuring"].get<bool>(); });
    }
};

}  // namespace

TEST(ServeSession, LiveMeasurementEndsWithTheListsOfTheLoadAndEveryUnknownRowArrives) {
    Served served;
    const nlohmann::json loaded = served.Lists();
    std::uint64_t seq = served.feed.iLatest();
    ASSERT_TRUE(served.On([](CServeSession& s) { return s.bMeasure(1000.0); }));
    // A reader of the event stream and the page's requests, while the instrument measures.
    std::atomic<int> unknownRows = 0;
    std::atomic<bool> done = false;
    std::thread reader([&] {
        while (!done) {
            for (const std::string& text : served.feed.Wait(seq, 50ms)) {
                const auto event = nlohmann::json::parse(text);
                if (event["kind"] == "row" && event["list"] == "unknowns" &&
                    event.contains("intakeMs")) {
                    ++unknownRows;
                }
            }
        }
    });
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    while (served.bMeasuring() && std::chrono::steady_clock::now() < deadline) {
        served.Lists();
    }
    done = true;
    reader.join();
    EXPECT_EQ(served.Lists(), loaded);
    // 4 unknowns of 3 replicates; the blank shows its first replicate only: 10 rows.
    EXPECT_EQ(unknownRows, 10);
}

TEST(ServeSession, EveryExampleShowsTheListsOfItsReport) {
    for (const auto& entry : std::filesystem::directory_iterator(PHOTOQUANT_EXAMPLES)) {
        if (entry.path().extension() != ".json") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        CRunFile batchRun;
        CRunError error;
        ASSERT_TRUE(bReadRunFile(entry.path(), batchRun, error));
        CQuantitationRun batch(batchRun);
        std::string problem;
        ASSERT_TRUE(batch.bExecute(problem)) << problem;
        const CListCtrl* reported[] = {&batch.StandardList(), &batch.StandardCalibList(),
                                       &batch.UnknownList(), &batch.UnknownCalibList()};
        Served served(entry.path().string());
        const nlohmann::json lists = served.Lists();
        for (int i = 0; i < 4; ++i) {
            const CTableBlock table = ListTable(*reported[i]);
            std::vector<std::string> headers;
            for (const auto& column : lists[i]["columns"]) {
                headers.push_back(column["text"]);
            }
            std::vector<std::vector<std::string>> rows;
            for (const auto& row : lists[i]["rows"]) {
                rows.push_back(row["cells"]);
            }
            EXPECT_EQ(headers, table.m_vsHeaders) << "list " << i;
            EXPECT_EQ(rows, table.m_vvsRows) << "list " << i;
        }
    }
}

TEST(ServeSession, PauseHoldsTheInstrumentResumeGoesOnStopEndsIt) {
    Served served;
    auto steps = [&] {
        return served.On([](CServeSession& s) { return s.State()["stepsTaken"].get<int>(); });
    };
    ASSERT_TRUE(served.On([](CServeSession& s) { return s.bMeasure(100.0); }));
    std::this_thread::sleep_for(50ms);
    served.On([](CServeSession& s) { return (s.vPause(), true); });
    std::this_thread::sleep_for(200ms);  // the point in hand is taken in
    const int paused = steps();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(steps(), paused);
    EXPECT_LT(paused, 29);
    served.On([](CServeSession& s) { return (s.vResume(), true); });
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    while (steps() == paused && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_GT(steps(), paused);
    served.On([](CServeSession& s) { return (s.vStop(), true); });
    EXPECT_FALSE(served.bMeasuring());
}

TEST(ServeSession, ApplyNamesTheSampleInTheListCancelDiscardsRemeasureKeepsTheReading) {
    Served served;
    const nlohmann::json loaded = served.Lists();
    auto label = [&](int iRow) {
        return served.On([iRow](CServeSession& s) {
            return s.ListContent(EList::kStandards, iRow, 1)["rows"][0]["cells"][0]
                .get<std::string>();
        });
    };
    served.On([](CServeSession& s) {
        return s.bSelectSample(EDocument::kStandards, 1) &&
               s.bEditText(EDocument::kStandards, photoquant::kInfoNameBox, "Fe 1 (lot 7)") &&
               s.bApply(EDocument::kStandards);
    });
    EXPECT_EQ(label(3), "2 Fe 1 (lot 7)");
    served.On([](CServeSession& s) {
        s.bEditText(EDocument::kStandards, photoquant::kInfoNameBox, "discarded");
        s.vCancel(EDocument::kStandards);
        return s.bApply(EDocument::kStandards);
    });
    EXPECT_EQ(label(3), "2 Fe 1 (lot 7)");
    // The simulated instrument reads the same sample again: nothing changes.
    EXPECT_TRUE(
        served.On([](CServeSession& s) { return s.bRemeasure(EDocument::kUnknowns, 1, 2); }));
    EXPECT_FALSE(
        served.On([](CServeSession& s) { return s.bRemeasure(EDocument::kUnknowns, 9, 0); }));
    EXPECT_EQ(served.Lists()[2], loaded[2]);
}
