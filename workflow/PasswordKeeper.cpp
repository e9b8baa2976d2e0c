// SPDX-License-Identifier: MIT
#include "workflow/PasswordKeeper.h"

#ifdef COLORCARD_HAVE_QTKEYCHAIN
#include <QEventLoop>

#if QT_VERSION_MAJOR >= 6
#include <qt6keychain/keychain.h>
#else
#include <qt5keychain/keychain.h>
#endif
#endif

namespace colorcard {

#ifdef COLORCARD_HAVE_QTKEYCHAIN
namespace {

const char* const kService = "colorcard";

// The keyring's jobs answer through the event loop; the window waits for
// the one answer (the keyring daemon replies at once or fails).
void run(QKeychain::Job& job) {
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

class DesktopKeeper : public PasswordKeeper {
public:
    std::optional<QString> read(const QString& key) override {
        QKeychain::ReadPasswordJob job{QLatin1String(kService)};
        job.setKey(key);
        run(job);
        if (job.error() != QKeychain::NoError)
            return std::nullopt;
        return job.textData();
    }
    bool keep(const QString& key, const QString& password) override {
        QKeychain::WritePasswordJob job{QLatin1String(kService)};
        job.setKey(key);
        job.setTextData(password);
        run(job);
        return job.error() == QKeychain::NoError;
    }
};

}  // namespace

std::unique_ptr<PasswordKeeper> desktopPasswordKeeper() {
    return std::make_unique<DesktopKeeper>();
}
#else
std::unique_ptr<PasswordKeeper> desktopPasswordKeeper() {
    return nullptr;
}
#endif

}  // namespace colorcard
