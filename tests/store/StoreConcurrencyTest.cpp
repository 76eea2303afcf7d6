// The web service reads the store and converts names on its own threads.
#include "Cp1252.h"
#include "Language.h"
#include "LoadSave.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(StoreConcurrency, OneInstanceAndSafeConversionsAcrossThreads)
{
    TestFolder folder;
    TLoadSave::setDataFolder(folder.path());
    std::vector<std::thread> threads;
    std::vector<TLoadSave*> seen(8, nullptr);
    std::atomic<int> wrong {0};
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            seen[static_cast<std::size_t>(t)] = TLoadSave::instance();
            for (int i = 0; i < 200; ++i) {
                if (fromCp1252(toCp1252(QString::fromUtf8("Caf\u00e9 \u20ac"))) !=
                    QString::fromUtf8("Caf\u00e9 \u20ac"))
                    ++wrong;
                if (gettext(txtAfsluiten).isEmpty())
                    ++wrong;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
    for (TLoadSave* store : seen)
        EXPECT_EQ(store, seen[0]);
    TLoadSave::destroyInstance();
    TLoadSave::setDataFolder(QString());
}

} // namespace
