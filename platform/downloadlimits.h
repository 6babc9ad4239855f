#pragma once

#include <QtGlobal>

#include <chrono>

namespace platform {

// How far a picture fetched from the web may go before it is given up.
struct DownloadLimits {
    qint64 maxBytes = qint64(64) * 1024 * 1024;
    // The whole transfer, and the longest the server may send nothing.
    std::chrono::milliseconds total{60000};
    std::chrono::milliseconds stall{15000};
    int maxRedirects = 5;
};

} // namespace platform
