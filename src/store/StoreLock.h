#pragma once

#include <mutex>
#include <shared_mutex>

// The configuration store is shared between the GUI thread and the web
// service's threads: readers hold a shared lock for the whole of what they
// read, so they never see a half-changed store; whoever changes the store
// (an editor writing back, a picture replaced) holds it exclusively.
std::shared_mutex& storeMutex();

using StoreReadLock = std::shared_lock<std::shared_mutex>;
using StoreWriteLock = std::unique_lock<std::shared_mutex>;
