#include "ProgAktieList.h"

#include <algorithm>

namespace {

bool keyLess(const KeyedAktie& a, const KeyedAktie& b)
{
    return a.first < b.first;
}

KeyedAktieList::const_iterator findByIdentity(const KeyedAktieList& list, const ProgAktiePtr& aktie)
{
    return std::find_if(list.begin(), list.end(), [&](const KeyedAktie& entry) { return entry.second == aktie; });
}

} // namespace

ProgAktieList::ProgAktieList(int ruimte, int apparaat, KeyedAktieList workingList)
    : _currentRuimte(ruimte)
    , _currentApparaat(apparaat)
    , theList(std::move(workingList))
{
}

void ProgAktieList::setCurrentObject(const ProgAktiePtr& aktie)
{
    _currentObject = aktie;
    if (aktie) {
        _currentRuimte = aktie->Ruimte;
        _currentApparaat = aktie->Apparaat;
    }
}

int ProgAktieList::Insert(const ProgAktiePtr& aktie)
{
    aktie->Ruimte = _currentRuimte;
    aktie->Apparaat = _currentApparaat;
    KeyedAktie entry {aktie->getIndex(), aktie};
    int position = count();
    if (_currentObject) {
        const KeyedAktie current {_currentObject->getIndex(), _currentObject};
        const auto found = std::lower_bound(theList.begin(), theList.end(), current, keyLess);
        if (found != theList.end() && found->first == current.first && found != theList.end() - 1) {
            position = static_cast<int>(found - theList.begin());
            theList.insert(found, std::move(entry));
        } else {
            theList.push_back(std::move(entry));
        }
    } else {
        theList.push_back(std::move(entry));
    }
    _currentObject = aktie;
    return position;
}

void ProgAktieList::Clone(const ProgAktiePtr& aktie)
{
    if (aktie)
        Insert(aktie->clone());
}

void ProgAktieList::Delete(const ProgAktiePtr& aktie)
{
    int position = -1;
    if (const auto found = findByIdentity(theList, aktie); found != theList.end()) {
        position = static_cast<int>(found - theList.begin());
        theDeletedList.emplace_back(aktie->getIndex(), aktie);
        theList.erase(found);
    }
    const bool sameGroupFollows = position >= 0 && position < count() && _currentObject &&
        theList[static_cast<std::size_t>(position)].second->Ruimte == _currentObject->Ruimte &&
        theList[static_cast<std::size_t>(position)].second->Apparaat == _currentObject->Apparaat;
    if (!sameGroupFollows && position > 0)
        --position;
    setCurrentViaIndex(position);
}

void ProgAktieList::sorteer()
{
    for (auto& entry : theList)
        entry.first = entry.second->getIndex();
    std::sort(theList.begin(), theList.end(), keyLess);
}

ProgAktiePtr ProgAktieList::getProgAktie(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return theList[static_cast<std::size_t>(index)].second;
}

int ProgAktieList::getProgAktieIndex(const ProgAktiePtr& aktie) const
{
    const KeyedAktie probe {aktie->getIndex(), aktie};
    return static_cast<int>(std::lower_bound(theList.begin(), theList.end(), probe, keyLess) - theList.begin());
}

int ProgAktieList::getCurrentProgAktieIndex() const
{
    const auto found = findByIdentity(theList, _currentObject);
    return found == theList.end() ? 0 : static_cast<int>(found - theList.begin());
}

void ProgAktieList::setCurrentViaIndex(int index)
{
    if (index != -1 && index >= 0 && index < count()) {
        setCurrentObject(theList[static_cast<std::size_t>(index)].second);
        return;
    }
    // The list is never left without a current action.
    Insert(std::make_shared<ProgAktie>());
}

int ProgAktieList::getRandomCount() const
{
    return static_cast<int>(
        std::count_if(theList.begin(), theList.end(), [](const KeyedAktie& entry) { return entry.second->RandomB; }));
}

GlobalProgAktieList::GlobalProgAktieList()
    : ProgAktieList(0, 0, {})
{
}

KeyedAktieList GlobalProgAktieList::getProgAktieList() const
{
    KeyedAktieList copy;
    copy.reserve(theMainList.size());
    for (const auto& entry : theMainList)
        copy.emplace_back(entry.second->getIndex(), entry.second);
    return copy;
}

void GlobalProgAktieList::saveProgAktieList(const KeyedAktieList& workingList, const KeyedAktieList& deletedList)
{
    for (const auto& entry : workingList)
        if (entry.second && entry.second->valid())
            addToMain(entry.second);
    for (const auto& entry : deletedList)
        deleteFromMain(entry.second);
}

void GlobalProgAktieList::addToMain(const ProgAktiePtr& aktie)
{
    if (aktie && findByIdentity(theMainList, aktie) == theMainList.end())
        theMainList.emplace_back(aktie->getIndex(), aktie);
}

void GlobalProgAktieList::deleteFromMain(const ProgAktiePtr& aktie)
{
    if (const auto found = findByIdentity(theMainList, aktie); found != theMainList.end())
        theMainList.erase(found);
}

void GlobalProgAktieList::deleteApparaat(int ruimte, int apparaat)
{
    std::erase_if(theMainList,
        [&](const KeyedAktie& entry) { return entry.second->Ruimte == ruimte && entry.second->Apparaat == apparaat; });
    for (auto& entry : theMainList)
        if (entry.second->Ruimte == ruimte && entry.second->Apparaat > apparaat)
            --entry.second->Apparaat;
}

void GlobalProgAktieList::updateRuimtes(int deletedRuimte)
{
    for (auto& entry : theMainList)
        if (entry.second->Ruimte >= deletedRuimte && entry.second->Ruimte < ProgAktie::firstSceneRuimte)
            --entry.second->Ruimte;
}

void GlobalProgAktieList::sortMainList()
{
    for (auto& entry : theMainList)
        entry.first = entry.second->getIndex();
    std::stable_sort(theMainList.begin(), theMainList.end(), keyLess);
}
