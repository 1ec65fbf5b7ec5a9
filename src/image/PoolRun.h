#pragma once

#include <QFuture>
#include <QPromise>
#include <QThreadPool>

#include <memory>
#include <type_traits>

// Runs `work` on a thread of `pool` and hands its result back through the future, for a QFutureWatcher on the
// window thread.
template <typename Work>
QFuture<std::invoke_result_t<Work>> RunOnPool(QThreadPool& pool, Work work)
{
    using Result = std::invoke_result_t<Work>;
    // Shared: the pool takes only work it can copy, and a promise cannot be copied.
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    pool.start([promise, work = std::move(work)] {
        promise->addResult(work());
        promise->finish();
    });
    return future;
}
