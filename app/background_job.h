#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThreadPool>
#include <functional>
#include <memory>

namespace vellorin {

// A watcher that cancels its work when it goes: the window it belongs to has closed.
template <typename T>
class CancellingWatcher : public QFutureWatcher<T> {
public:
    using QFutureWatcher<T>::QFutureWatcher;
    ~CancellingWatcher() override { this->cancel(); }
};

// Runs work on a worker thread, so that the event thread goes on with the clock, and hands
// its result to done on context's thread. work gets a test it asks between its steps: true
// once context has gone, when done is never called. work touches no widget; what it needs
// it is given by value.
template <typename T>
void RunInBackground(QObject* context, std::function<T(const std::function<bool()>&)> work,
                     std::function<void(const T&)> done) {
    auto* watcher = new CancellingWatcher<T>(context);
    auto promise = std::make_shared<QPromise<T>>();
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, done] {
        const QFuture<T> future = watcher->future();
        watcher->deleteLater();
        if (!future.isCanceled() && future.resultCount() > 0) {
            done(future.result());
        }
    });
    promise->start();
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        T result = work([&promise] { return promise->isCanceled(); });
        promise->addResult(std::move(result));
        promise->finish();
    });
}

}  // namespace vellorin
