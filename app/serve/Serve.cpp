#include "serve/Serve.h"

#include <pthread.h>
#include <csignal>

#include <atomic>
#include <iomanip>
#include <memory>
#include <random>
#include <sstream>
#include <thread>

#include <httplib.h>

#include "host/MessageText.h"
#include "host/Program.h"
#include "host/ReportWriters.h"
#include "serve/ServeSession.h"

extern const char* const g_szServeIndexHtml;
extern const char* const g_szServeScript;
extern const char* const g_szServeStyle;

using nlohmann::json;

namespace {

constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kTokenCookie = "photoquant_token";
// A request body is a small JSON object: a name, a comment of 255 characters, a few numbers.
constexpr size_t kMaxBody = 16 * 1024;
// Threads answering requests; each open event stream holds one, so only a few streams are let in.
constexpr size_t kServerThreads = 12;
constexpr int kMaxEventStreams = 4;
// A request waits this long for the user-interface thread before it is refused as busy.
constexpr std::chrono::milliseconds kUiTimeout(5000);
// An event stream sends a comment this often when nothing changes, so a closed page is noticed.
constexpr std::chrono::milliseconds kKeepAlive(15000);
constexpr double kDefaultRate = 5.0;
constexpr double kMaxRate = 1000.0;

// 128 random bits as hex, from the system's entropy source.
std::string sNewToken() {
    std::random_device entropy;
    std::ostringstream token;
    for (int i = 0; i < 4; ++i) {
        token << std::hex << std::setw(8) << std::setfill('0') << entropy();
    }
    return token.str();
}

// Compares without stopping at the first difference, so the time taken tells nothing of the token.
bool bSameSecret(const std::string& given, const std::string& secret) {
    if (given.size() != secret.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (size_t i = 0; i < given.size(); ++i) {
        difference |= static_cast<unsigned char>(given[i] ^ secret[i]);
    }
    return difference == 0;
}

std::string sCookieValue(const httplib::Request& req, const std::string& name) {
    const std::string cookies = req.get_header_value("Cookie");
    std::istringstream in(cookies);
    for (std::string part; std::getline(in, part, ';');) {
        const size_t start = part.find_first_not_of(' ');
        if (start == std::string::npos) {
            continue;
        }
        part.erase(0, start);
        if (part.compare(0, name.size() + 1, name + "=") == 0) {
            return part.substr(name.size() + 1);
        }
    }
    return {};
}

class CServer {
public:
    CServer(CServeSession& session, CUiThread& ui, CChangeFeed& feed)
        : m_Session(session), m_Ui(ui), m_Feed(feed), m_sToken(sNewToken()) {}

    int iBind(int iPort);
    void vListen() { m_Server.listen_after_bind(); }
    void vStop() {
        m_Feed.vClose();
        m_Server.stop();
    }
    std::string sAddress() const {
        return "http://" + std::string(kLoopback) + ":" + std::to_string(m_iPort) +
               "/?token=" + m_sToken;
    }

private:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    void vRoutes();
    bool bAllowed(const httplib::Request& req, httplib::Response& res) const;
    bool bHostIsUs(const std::string& host) const;
    void vRefuse(httplib::Response& res, int status, const std::string& why) const;
    // Runs work on the user-interface thread and answers with its JSON; 503 when it is busy.
    void vAnswer(httplib::Response& res, std::function<json()> work) const;
    // A POST with a JSON object body; 400 when the body is not one.
    void vPost(const std::string& path, std::function<json(const json&)> work);
    void vEvents(const httplib::Request& req, httplib::Response& res);

    CServeSession& m_Session;
    CUiThread& m_Ui;
    CChangeFeed& m_Feed;
    const std::string m_sToken;
    int m_iPort = 0;
    std::atomic<int> m_iEventStreams = 0;
    httplib::Server m_Server;
};

// ---- the rules every request passes --------------------------------------------------------------

bool CServer::bHostIsUs(const std::string& host) const {
    const std::string port = ":" + std::to_string(m_iPort);
    return host == kLoopback + port || host == "localhost" + port;
}

void CServer::vRefuse(httplib::Response& res, int status, const std::string& why) const {
    res.status = status;
    res.set_content(json{{"error", why}}.dump(), "application/json");
}

// Loopback names only (a page of another site whose name resolves here is refused: no DNS
// rebinding); the token in the cookie, or in the address on the first visit; no request from
// another origin.
bool CServer::bAllowed(const httplib::Request& req, httplib::Response& res) const {
    if (!bHostIsUs(req.get_header_value("Host"))) {
        vRefuse(res, 403, "unknown host");
        return false;
    }
    const std::string origin = req.get_header_value("Origin");
    if (!origin.empty() && (origin.compare(0, 7, "http://") != 0 || !bHostIsUs(origin.substr(7)))) {
        vRefuse(res, 403, "request from another origin");
        return false;
    }
    if (bSameSecret(sCookieValue(req, kTokenCookie), m_sToken)) {
        return true;
    }
    if (req.method == "GET" && req.path == "/" && req.has_param("token") &&
        bSameSecret(req.get_param_value("token"), m_sToken)) {
        // The first visit: the token becomes a cookie only this server's pages send, and the
        // address loses it.
        res.set_header("Set-Cookie", std::string(kTokenCookie) + "=" + m_sToken +
                                         "; Path=/; HttpOnly; SameSite=Strict");
        res.set_redirect("/");
        return false;
    }
    vRefuse(res, 403, "the address printed by photoquant serve carries the token");
    return false;
}

void CServer::vAnswer(httplib::Response& res, std::function<json()> work) const {
    std::optional<json> answer = m_Ui.Call(std::move(work), kUiTimeout);
    if (!answer) {
        vRefuse(res, 503, "busy");
        return;
    }
    if (answer->is_object() && answer->contains("error")) {
        res.status = 400;
    }
    res.set_content(answer->dump(), "application/json");
}

void CServer::vPost(const std::string& path, std::function<json(const json&)> work) {
    m_Server.Post(path, [this, work](const httplib::Request& req, httplib::Response& res) {
        if (req.get_header_value("Content-Type").rfind("application/json", 0) != 0) {
            vRefuse(res, 415, "a JSON body is expected");
            return;
        }
        json body = json::parse(req.body, nullptr, false);
        if (!body.is_object()) {
            vRefuse(res, 400, "the body is not a JSON object");
            return;
        }
        vAnswer(res, [work, body = std::move(body)] {
            try {
                return work(body);
            } catch (const json::exception&) {
                return json{{"error", "a field is missing or of the wrong type"}};
            }
        });
    });
}

// ---- what the page asks ------------------------------------------------------------------------

std::optional<CServeSession::EList> ListNamed(const std::string& name) {
    using E = CServeSession::EList;
    if (name == "standards")
        return E::kStandards;
    if (name == "standardCalib")
        return E::kStandardCalib;
    if (name == "unknowns")
        return E::kUnknowns;
    if (name == "unknownCalib")
        return E::kUnknownCalib;
    return std::nullopt;
}

std::optional<CServeSession::EDocument> DocumentNamed(const std::string& name) {
    if (name == "standards")
        return CServeSession::EDocument::kStandards;
    if (name == "unknowns")
        return CServeSession::EDocument::kUnknowns;
    return std::nullopt;
}

std::optional<CServeSession::EPage> PageNamed(const std::string& name) {
    if (name == "info")
        return CServeSession::EPage::kInfo;
    if (name == "instrument")
        return CServeSession::EPage::kInstrument;
    if (name == "option")
        return CServeSession::EPage::kOption;
    return std::nullopt;
}

json Refusal(const std::string& why) {
    return {{"error", why}};
}

json Done(bool bDone) {
    return bDone ? json{{"ok", true}} : Refusal("not possible now");
}

int iParam(const httplib::Request& req, const char* name, int iDefault) {
    if (!req.has_param(name)) {
        return iDefault;
    }
    try {
        return std::stoi(req.get_param_value(name));
    } catch (const std::exception&) {
        return -1;
    }
}

void CServer::vRoutes() {
    auto text = [](const char* content, const char* type) {
        return [content, type](const httplib::Request&, httplib::Response& res) {
            res.set_content(content, type);
        };
    };
    m_Server.Get("/", text(g_szServeIndexHtml, "text/html; charset=utf-8"));
    m_Server.Get("/app.js", text(g_szServeScript, "text/javascript; charset=utf-8"));
    m_Server.Get("/style.css", text(g_szServeStyle, "text/css; charset=utf-8"));
    m_Server.Get("/plot.css", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(sPlotStyle(), "text/css; charset=utf-8");
    });
    m_Server.Get("/api/state", [this](const httplib::Request&, httplib::Response& res) {
        vAnswer(res, [this] { return m_Session.State(); });
    });
    m_Server.Get("/api/plot", [this](const httplib::Request&, httplib::Response& res) {
        std::optional<std::string> svg =
            m_Ui.Call([this] { return m_Session.sPlotSvg(); }, kUiTimeout);
        if (!svg) {
            vRefuse(res, 503, "busy");
        } else if (svg->empty()) {
            res.status = 204;
        } else {
            res.set_content(*svg, "image/svg+xml");
        }
    });
    m_Server.Get("/api/list", [this](const httplib::Request& req, httplib::Response& res) {
        const auto list = ListNamed(req.get_param_value("name"));
        const int iFrom = iParam(req, "from", 0);
        const int iCount = iParam(req, "count", 200);
        if (!list || iFrom < 0 || iCount < 0) {
            vRefuse(res, 400, "name, from and count");
            return;
        }
        vAnswer(res, [this, list, iFrom, iCount] {
            return m_Session.ListContent(*list, iFrom, std::min(iCount, 1000));
        });
    });
    m_Server.Get("/api/list/copy", [this](const httplib::Request& req, httplib::Response& res) {
        const auto list = ListNamed(req.get_param_value("name"));
        const std::string format = req.get_param_value("format");
        if (!list || (format != "text" && format != "csv")) {
            vRefuse(res, 400, "name and format (text or csv)");
            return;
        }
        std::optional<std::string> copy = m_Ui.Call(
            [this, list, format] {
                return format == "csv" ? m_Session.sListCsv(*list) : m_Session.sListText(*list);
            },
            kUiTimeout);
        if (!copy) {
            vRefuse(res, 503, "busy");
            return;
        }
        res.set_content(*copy,
                        format == "csv" ? "text/csv; charset=utf-8" : "text/plain; charset=utf-8");
    });
    m_Server.Get("/api/page", [this](const httplib::Request& req, httplib::Response& res) {
        const auto doc = DocumentNamed(req.get_param_value("doc"));
        const auto page = PageNamed(req.get_param_value("page"));
        if (!doc || !page) {
            vRefuse(res, 400, "doc and page");
            return;
        }
        vAnswer(res, [this, doc, page] { return m_Session.Page(*doc, *page); });
    });
    m_Server.Get("/api/events", [this](const httplib::Request& req, httplib::Response& res) {
        vEvents(req, res);
    });

    vPost("/api/list/track", [this](const json& body) {
        const auto list = ListNamed(body.at("list").get<std::string>());
        return list ? Done(m_Session.bDragDivider(*list, body.at("column").get<int>(),
                                                  body.at("width").get<int>()))
                    : Refusal("unknown list");
    });
    vPost("/api/list/menu", [this](const json& body) {
        const auto list = ListNamed(body.at("list").get<std::string>());
        return list ? json{{"menu", m_Session.bContextMenu(*list, body.at("x").get<int>(),
                                                           body.at("y").get<int>())}}
                    : Refusal("unknown list");
    });
    vPost("/api/page/select", [this](const json& body) {
        const auto doc = DocumentNamed(body.at("doc").get<std::string>());
        return doc ? Done(m_Session.bSelectSample(*doc, body.at("index").get<int>()))
                   : Refusal("unknown document");
    });
    vPost("/api/page/edit", [this](const json& body) {
        const auto doc = DocumentNamed(body.at("doc").get<std::string>());
        return doc ? Done(m_Session.bEditText(*doc, body.at("id").get<int>(),
                                              body.at("text").get<std::string>()))
                   : Refusal("unknown document");
    });
    vPost("/api/page/apply", [this](const json& body) {
        const auto doc = DocumentNamed(body.at("doc").get<std::string>());
        return doc ? Done(m_Session.bApply(*doc)) : Refusal("unknown document");
    });
    vPost("/api/page/cancel", [this](const json& body) {
        const auto doc = DocumentNamed(body.at("doc").get<std::string>());
        if (!doc) {
            return Refusal("unknown document");
        }
        m_Session.vCancel(*doc);
        return Done(true);
    });
    vPost("/api/measure", [this](const json& body) {
        const double rate = body.value("rate", kDefaultRate);
        if (!(rate > 0.0 && rate <= kMaxRate)) {
            return Refusal("the rate is between 0 and 1000 points per second");
        }
        return Done(m_Session.bMeasure(rate));
    });
    vPost("/api/pause", [this](const json&) {
        m_Session.vPause();
        return Done(true);
    });
    vPost("/api/resume", [this](const json&) {
        m_Session.vResume();
        return Done(true);
    });
    vPost("/api/stop", [this](const json&) {
        m_Session.vStop();
        return Done(true);
    });
    vPost("/api/remeasure", [this](const json& body) {
        const auto doc = DocumentNamed(body.at("doc").get<std::string>());
        return doc ? Done(m_Session.bRemeasure(*doc, body.at("sample").get<int>(),
                                               body.at("replicate").get<int>()))
                   : Refusal("unknown document");
    });
}

// Server-sent events: each change the user-interface thread published, as one "data:" line of
// JSON, from the newest event on (the page loads what is there before it listens).
void CServer::vEvents(const httplib::Request&, httplib::Response& res) {
    if (++m_iEventStreams > kMaxEventStreams) {
        --m_iEventStreams;
        vRefuse(res, 429, "too many event streams");
        return;
    }
    auto seq = std::make_shared<std::uint64_t>(m_Feed.iLatest());
    res.set_header("Cache-Control", "no-store");
    res.set_chunked_content_provider(
        "text/event-stream",
        [this, seq](size_t, httplib::DataSink& sink) {
            if (m_Feed.bClosed()) {
                return false;
            }
            std::string chunk;
            for (const std::string& event : m_Feed.Wait(*seq, kKeepAlive)) {
                chunk += "data: " + event + "\n\n";
            }
            if (chunk.empty()) {
                chunk = ": still here\n\n";
            }
            return sink.write(chunk.data(), chunk.size());
        },
        [this](bool) { --m_iEventStreams; });
}

int CServer::iBind(int iPort) {
    m_Server.new_task_queue = [] { return new httplib::ThreadPool(kServerThreads); };
    // A port another server holds is refused, not shared: the library's default would also let a
    // second process bind it (SO_REUSEPORT) and take half the connections.
    m_Server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    m_Server.set_payload_max_length(kMaxBody);
    m_Server.set_keep_alive_timeout(5);
    m_Server.set_read_timeout(5, 0);
    m_Server.set_write_timeout(5, 0);
    m_Server.set_default_headers({{"X-Content-Type-Options", "nosniff"},
                                  {"X-Frame-Options", "DENY"},
                                  {"Referrer-Policy", "no-referrer"},
                                  {"Cache-Control", "no-store"},
                                  {"Content-Security-Policy",
                                   "default-src 'self'; img-src 'self' data:; "
                                   "frame-ancestors 'none'; base-uri 'none'; form-action 'none'"}});
    m_Server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        return bAllowed(req, res) ? httplib::Server::HandlerResponse::Unhandled
                                  : httplib::Server::HandlerResponse::Handled;
    });
    m_Server.set_exception_handler(
        [this](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
            vRefuse(res, 500, "internal error");
        });
    vRoutes();
    m_iPort = iPort == 0 ? m_Server.bind_to_any_port(kLoopback)
                         : (m_Server.bind_to_port(kLoopback, iPort) ? iPort : -1);
    return m_iPort;
}

}  // namespace

int iServe(const CServeOptions& options, std::ostream& out, std::ostream& err) {
    // SIGINT and SIGTERM are taken by one thread that stops the server; every other thread,
    // started after this, has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    CRunFile run;
    CRunError error;
    const bool bRead = options.m_sRunFile.empty() ? bReadBuiltinExample(run, error)
                                                  : bReadRunFile(options.m_sRunFile, run, error);
    if (!bRead) {
        err << "photoquant: " << sPrintable(error.sMessage()) << "\n";
        return kExitBadInput;
    }
    CChangeFeed feed;
    CUiThread ui;
    std::unique_ptr<CServeSession> pSession;
    std::string problem;
    const std::optional<bool> bLoaded = ui.Call(
        [&] {
            pSession = std::make_unique<CServeSession>(run, feed, ui);
            return pSession->bLoad(problem);
        },
        std::chrono::hours(1));
    int status = kExitOk;
    if (!bLoaded || !*bLoaded) {
        err << "photoquant: " << sPrintable(problem) << "\n";
        status = kExitRunFailed;
    } else {
        CServer server(*pSession, ui, feed);
        if (server.iBind(options.m_iPort) < 0) {
            err << "photoquant: cannot listen on " << kLoopback << " port " << options.m_iPort
                << "\n";
            status = kExitRunFailed;
        } else {
            out << "photoquant: serving \"" << sPrintable(run.m_sTitle) << "\"; open\n  "
                << server.sAddress() << "\n(Ctrl-C stops it)" << std::endl;
            std::thread stopper([&server, stopSignals] {
                int signal = 0;
                sigwait(&stopSignals, &signal);
                server.vStop();
            });
            server.vListen();
            pthread_kill(stopper.native_handle(), SIGTERM);
            stopper.join();
        }
    }
    ui.Call(
        [&] {
            pSession.reset();
            return true;
        },
        std::chrono::hours(1));
    return status;
}
