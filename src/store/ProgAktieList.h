#pragma once

#include "ProgAktie.h"

#include <string>
#include <utility>
#include <vector>

// (sort key, action) pairs; the lists share the action objects.
using KeyedAktie = std::pair<std::string, ProgAktiePtr>;
using KeyedAktieList = std::vector<KeyedAktie>;

// A working list of the actions of one appliance or scene, with a current
// action. Edits of an action show in the global list at once; additions and
// deletions wait for GlobalProgAktieList::saveProgAktieList.
class ProgAktieList {
public:
    ProgAktieList(int ruimte, int apparaat, KeyedAktieList workingList);
    virtual ~ProgAktieList() = default;

    int Insert(const ProgAktiePtr& aktie);
    void Clone(const ProgAktiePtr& aktie);
    void Delete(const ProgAktiePtr& aktie);
    void sorteer();

    ProgAktiePtr getProgAktie(int index) const;
    int getProgAktieIndex(const ProgAktiePtr& aktie) const;
    int getCurrentProgAktieIndex() const;
    void setCurrentViaIndex(int index);
    bool isCurrent(const ProgAktiePtr& aktie) const { return aktie && aktie == _currentObject; }
    int getRandomCount() const;

    const ProgAktiePtr& currentObject() const { return _currentObject; }
    void setCurrentObject(const ProgAktiePtr& aktie);

    int count() const { return static_cast<int>(theList.size()); }
    const KeyedAktieList& list() const { return theList; }
    const KeyedAktieList& deletedList() const { return theDeletedList; }

protected:
    int _currentRuimte;
    int _currentApparaat;
    ProgAktiePtr _currentObject;
    KeyedAktieList theList;
    KeyedAktieList theDeletedList;
};

// Every timer action of the configuration, in the order of "zolvo.dat"
// followed by the order of addition.
class GlobalProgAktieList : public ProgAktieList {
public:
    GlobalProgAktieList();

    // A new list of every action under a fresh key, in main-list order.
    KeyedAktieList getProgAktieList() const;
    void saveProgAktieList(const KeyedAktieList& workingList, const KeyedAktieList& deletedList);
    void addToMain(const ProgAktiePtr& aktie);
    void deleteFromMain(const ProgAktiePtr& aktie);
    void deleteApparaat(int ruimte, int apparaat);
    void updateRuimtes(int deletedRuimte);

    // Re-keys the main list and sorts it by key (the device's table order).
    void sortMainList();

    const KeyedAktieList& mainList() const { return theMainList; }

private:
    KeyedAktieList theMainList;
};
