#include "StoreLock.h"

std::shared_mutex& storeMutex()
{
    static std::shared_mutex mutex;
    return mutex;
}
