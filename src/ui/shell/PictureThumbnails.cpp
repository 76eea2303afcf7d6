#include "PictureThumbnails.h"

#include "CustomPicture.h"
#include "PictureImage.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMetaObject>

#include <exception>

namespace {

// About 12 MB of thumbnails: a few folders' worth.
constexpr std::size_t cacheCapacity = 300;

QString cacheKey(const QFileInfo& file)
{
    return QStringLiteral("%1\n%2\n%3")
        .arg(file.absoluteFilePath())
        .arg(file.size())
        .arg(file.lastModified().toMSecsSinceEpoch());
}

} // namespace

QImage thumbnailImage(Picture picture)
{
    picture.setMaskFromColour(picture.transparentColour());
    return toQImage(picture);
}

TPictureThumbnails::TPictureThumbnails(QObject* parent)
    : QObject(parent)
    , _worker([this] { work(); })
{
}

TPictureThumbnails::~TPictureThumbnails()
{
    {
        std::lock_guard guard(_lock);
        _stopping = true;
        _jobs.clear();
    }
    _wake.notify_one();
    _worker.join();
    // Results the worker posted before it stopped die with this object, undelivered.
}

void TPictureThumbnails::load(const QStringList& paths)
{
    ++_batch;
    _pending = 0;
    {
        std::lock_guard guard(_lock);
        _jobs.clear();
        for (int slot = 0; slot < paths.size(); ++slot)
            if (!paths[slot].isEmpty()) {
                _jobs.push_back({_batch, slot, paths[slot]});
                ++_pending;
            }
    }
    _wake.notify_one();
    if (_pending == 0)
        emit finished();
}

void TPictureThumbnails::work()
{
    for (;;) {
        Job job;
        {
            std::unique_lock guard(_lock);
            _wake.wait(guard, [this] { return _stopping || !_jobs.empty(); });
            if (_stopping)
                return;
            job = std::move(_jobs.front());
            _jobs.pop_front();
        }
        const QImage thumbnail = decode(job.path);
        QMetaObject::invokeMethod(
            this, [this, batch = job.batch, slot = job.slot, thumbnail] { deliver(batch, slot, thumbnail); },
            Qt::QueuedConnection);
    }
}

QImage TPictureThumbnails::decode(const QString& path)
{
    const QFileInfo file(path);
    const QString key = cacheKey(file);
    {
        std::lock_guard guard(_lock);
        if (const auto cached = _cache.constFind(key); cached != _cache.constEnd())
            return *cached;
    }
    QImage thumbnail;
    try {
        thumbnail = thumbnailImage(ReadCustomPicture(path));
    } catch (const std::exception&) {
        // Unreadable or damaged: the thumbnail stays empty; choosing it reports why.
    }
    std::lock_guard guard(_lock);
    if (!_cache.contains(key)) {
        if (_cacheOrder.size() >= cacheCapacity) {
            _cache.remove(_cacheOrder.front());
            _cacheOrder.pop_front();
        }
        _cache.insert(key, thumbnail);
        _cacheOrder.push_back(key);
    }
    return thumbnail;
}

void TPictureThumbnails::deliver(std::uint64_t batch, int slot, const QImage& thumbnail)
{
    if (batch != _batch)
        return; // a page or folder the picker has left
    --_pending;
    emit loaded(slot, thumbnail);
    if (_pending == 0)
        emit finished();
}
