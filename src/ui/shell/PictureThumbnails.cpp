#include "PictureThumbnails.h"

#include "CustomPicture.h"
#include "PictureImage.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <system_error>

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
    , _resultsReady(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (_resultsReady < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    _notifier = std::make_unique<QSocketNotifier>(_resultsReady, QSocketNotifier::Read);
    connect(_notifier.get(), &QSocketNotifier::activated, this, [this] { deliverResults(); });
    _worker = std::thread([this] { work(); });
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
    // Results the worker left before it stopped die with this object, undelivered.
    _notifier.reset();
    ::close(_resultsReady);
}

void TPictureThumbnails::load(const QStringList& paths)
{
    ++_batch;
    _pending = 0;
    {
        std::lock_guard guard(_lock);
        _jobs.clear();
        _results.clear();
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
        QImage thumbnail = decode(job.path);
        {
            std::lock_guard guard(_lock);
            _results.push_back({job.batch, job.slot, std::move(thumbnail)});
        }
        const std::uint64_t one = 1;
        // Cannot fail short of an overflow of the counter, which a drain resets.
        [[maybe_unused]] const ssize_t written = ::write(_resultsReady, &one, sizeof one);
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

void TPictureThumbnails::deliverResults()
{
    std::uint64_t rings = 0;
    [[maybe_unused]] const ssize_t read = ::read(_resultsReady, &rings, sizeof rings);
    for (;;) {
        Result result;
        {
            std::lock_guard guard(_lock);
            if (_results.empty())
                return;
            result = std::move(_results.front());
            _results.pop_front();
        }
        if (result.batch != _batch)
            continue; // a page or folder the picker has left
        --_pending;
        // A slot connected to these signals may start a new batch.
        emit loaded(result.slot, result.thumbnail);
        if (_pending == 0 && result.batch == _batch)
            emit finished();
    }
}
