#pragma once

#include "Picture.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class QSocketNotifier;

// How a picker shows a picture read by ReadCustomPicture: its border, in the
// picture's transparent colour, is see-through as it will be once stored.
QImage thumbnailImage(Picture picture);

// Reads the pictures of the picker's thumbnails on a worker thread, so a
// folder of big photos never holds up the window. Each batch asks for one
// page; a new batch drops what is left of the previous one and results of
// an older batch are never delivered. Decoded pictures are kept per file
// (path, size and modification time), so paging back costs nothing.
class TPictureThumbnails : public QObject {
    Q_OBJECT
public:
    explicit TPictureThumbnails(QObject* parent = nullptr);
    ~TPictureThumbnails() override;

    // Starts a batch: slot i shows paths[i]. An empty path is skipped.
    void load(const QStringList& paths);
    // Slots of the current batch not delivered yet.
    int pending() const { return _pending; }

signals:
    // In the thread of this object; a null image for a file that cannot be read.
    void loaded(int slot, const QImage& thumbnail);
    // Every slot of the current batch has been delivered.
    void finished();

private:
    struct Job {
        std::uint64_t batch = 0;
        int slot = 0;
        QString path;
    };
    struct Result {
        std::uint64_t batch = 0;
        int slot = 0;
        QImage thumbnail;
    };

    void work();
    QImage decode(const QString& path);
    void deliverResults();

    // Owned by the GUI thread.
    std::uint64_t _batch = 0;
    int _pending = 0;

    // Shared with the worker, under _lock.
    std::mutex _lock;
    std::condition_variable _wake;
    std::deque<Job> _jobs;
    std::deque<Result> _results;
    bool _stopping = false;
    QHash<QString, QImage> _cache;
    std::deque<QString> _cacheOrder; // oldest first, for eviction

    // The worker rings this eventfd when it adds a result; the GUI thread
    // drains _results when it rings. Results pass only through _results, so
    // every hand-over is ordered by _lock.
    int _resultsReady = -1;
    std::unique_ptr<QSocketNotifier> _notifier;

    std::thread _worker;
};
