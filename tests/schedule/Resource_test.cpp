// Resources, their rates and companies: every refused insert or attach answers a refusal and
// changes nothing (a refused object stays the caller's), lists handed their own content stay as
// they are, renewed rate identifiers stay findable, and a resource tree nested deeper than the
// archive allows is refused on loading.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "ArchiveTesting.h"
#include "kelvara/schedule/CCompany.h"
#include "kelvara/schedule/CResource.h"
#include "model3d/DeepNesting.h"

namespace kelvara::test {
namespace {

CResource resourceNamed(const wchar_t* name, CResourceType::Value type = CResourceType::Labour) {
    CResource r;
    r.setName(CProjectString(name));
    r.setType(type);
    return r;
}

CResourceRate rateFrom(std::int64_t day, int costs) {
    CResourceRate rate;
    rate.setEffectiveDate(CProjectDate(day * 86400000));
    rate.setUseRatePerDay(8);
    for (int c = 0; c < costs; ++c) {
        CCost cost;
        cost.setAmount(100.0 * (c + 1) + static_cast<double>(day));
        EXPECT_GE(rate.addCost(cost, -1), 0);
    }
    return rate;
}

TEST(Resource, SubResourcesRefuseOtherTypesRepeatsAndCycles) {
    CResource crew = resourceNamed(L"Formwork crew");
    const CResource carpenter = resourceNamed(L"Carpenter");
    EXPECT_TRUE(crew.insertSubResource(carpenter));
    EXPECT_FALSE(crew.insertSubResource(carpenter)) << "nothing was stored: a sub-resource has that identifier";
    EXPECT_EQ(crew.countSubResources(false), 1);

    auto crane = std::make_unique<CResource>(resourceNamed(L"Crane", CResourceType::Equipment));
    EXPECT_FALSE(crew.attachSubResource(crane->getWritableHandle())) << "another type";
    EXPECT_FALSE(crew.attachSubResource(IResourceWritableHandle()));
    auto repeat = std::make_unique<CResource>(carpenter);
    EXPECT_FALSE(crew.attachSubResource(repeat->getWritableHandle())) << "an identifier already listed";
    EXPECT_EQ(crew.countSubResources(true), 1) << "refused objects are left with the caller (freed here)";

    auto labourer = std::make_unique<CResource>(resourceNamed(L"Labourer"));
    ASSERT_TRUE(crew.attachSubResource(labourer->getWritableHandle()));
    CResource* attached = labourer.release();  // the crew's now
    EXPECT_FALSE(attached->attachSubResource(crew.getWritableHandle())) << "a resource under its own sub-resource";
    EXPECT_FALSE(crew.attachSubResource(crew.getWritableHandle()));

    IResourceWritableHandle detached = crew.detachSubResource(attached->getID());
    ASSERT_FALSE(detached.isNull());
    std::unique_ptr<IResource> owned(detached.get());
    EXPECT_EQ(crew.countSubResources(false), 1);
    EXPECT_TRUE(crew.detachSubResource(attached->getID()).isNull());
}

TEST(Resource, RefusedRatesAndNotesAnswerARefusal) {
    CResource pump = resourceNamed(L"Concrete pump", CResourceType::Equipment);
    const CResourceRate first = rateFrom(0, 1);
    EXPECT_TRUE(pump.addResourceRate(first, -1));
    EXPECT_FALSE(pump.addResourceRate(first, -1));
    EXPECT_FALSE(pump.addResourceRate(first, 0)) << "inserting a present identifier stores nothing";
    EXPECT_FALSE(pump.addResourceRate(rateFrom(10, 0), 2));
    EXPECT_FALSE(pump.addResourceRate(rateFrom(10, 0), -2));
    EXPECT_TRUE(pump.addResourceRate(rateFrom(10, 0), 0));
    EXPECT_EQ(pump.numberOfResourceRates(), 2);

    CNote note;
    note.setSubject(CString(L"Service due"));
    EXPECT_TRUE(pump.addNote(note, 1).isNull()) << "index beyond the count";
    EXPECT_TRUE(pump.getNotes().isNull()) << "a refused first note leaves no empty list";
    ASSERT_FALSE(pump.addNote(note, -1).isNull());
    CNote other = note;
    other.setSubject(CString(L"Overwrites?"));
    EXPECT_TRUE(pump.addNote(other, -1).isNull()) << "a present identifier: no handle on the stored note";
    EXPECT_TRUE(pump.addNote(other, 0).isNull());
    EXPECT_TRUE(pump.addNote(CNote(), 5).isNull()) << "never a handle on the shared default";
    EXPECT_EQ(pump.numberOfNotes(), 1);
    EXPECT_EQ(pump.getNotes()[0]->getSubject().getValue(), CString(L"Service due"));
    EXPECT_TRUE(pump.removeNote(note.getID()));
    EXPECT_TRUE(pump.getNotes().isNull());

    CUserFieldValue value;
    value.setUserFieldID(CUserFieldID::generated());
    EXPECT_FALSE(pump.addUserFieldValue(value, 3));
    EXPECT_TRUE(pump.getUserFieldValues().isNull());
    EXPECT_TRUE(pump.addUserFieldValue(value));
    EXPECT_FALSE(pump.addUserFieldValue(value)) << "one value per field";
}

TEST(Resource, ListsHandedTheirOwnContentStayUnchanged) {
    CResource crane = resourceNamed(L"Tower crane", CResourceType::Equipment);
    CNote note;
    note.setText(CString(L"Inspection certificate on file"));
    crane.addNote(note);
    CUserFieldValue value;
    value.setUserFieldID(CUserFieldID::generated());
    crane.addUserFieldValue(value);
    crane.addResourceRate(rateFrom(0, 2), -1);
    const CResource before = crane;

    crane.setNotes(crane.getNotes());
    crane.setUserFieldValues(crane.getUserFieldValues());
    crane.setResourceRates(crane.getResourceRates());
    crane.setSubResources(crane.getSubResources());
    crane.setHistory(*crane.getHistory());
    IResourceRateWritableHandle rate = crane.getResourceRates().getWritableReference(0);
    CResourceRate& stored = static_cast<CResourceRate&>(*rate);
    stored.setCosts(stored.getCosts());
    const CResource& same = crane;
    crane = same;
    EXPECT_TRUE(crane == before);
    EXPECT_EQ(crane.getResourceRates()[0]->numberOfCosts(), 2);
}

TEST(Resource, RenewedRateIdentifiersAreNewAndFindable) {
    CResource steel = resourceNamed(L"Structural steel", CResourceType::Material);
    for (int day : {0, 120, 240}) ASSERT_TRUE(steel.addResourceRate(rateFrom(day, 2), -1));
    const CResource before = steel;
    std::set<CIDBase> old;
    for (int i = 0; i < before.numberOfResourceRates(); ++i) {
        old.insert(before.getResourceRates()[i]->getID());
        for (int c = 0; c < 2; ++c) old.insert(before.getResourceRates()[i]->getCosts()[c]->getID());
    }

    steel.regenerateRateIDs();
    ASSERT_EQ(steel.numberOfResourceRates(), 3);
    const IResourceRateArrayHandle rates = steel.getResourceRates();
    for (int i = 0; i < 3; ++i) {
        const IResourceRate& now = *rates[i];
        const IResourceRate& was = *before.getResourceRates()[i];
        EXPECT_EQ(now.getEffectiveDate(), was.getEffectiveDate()) << "order kept";
        EXPECT_EQ(old.count(now.getID()), 0u);
        int position = -1;
        EXPECT_FALSE(rates.find(now.getID(), position).isNull()) << "a renewed rate is found by its identifier";
        ASSERT_EQ(now.numberOfCosts(), 2);
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(now.getCosts()[c]->getAmount(), was.getCosts()[c]->getAmount());
            EXPECT_EQ(old.count(now.getCosts()[c]->getID()), 0u);
        }
    }
}

TEST(Resource, SmallListOperationsAnswerTheirDocumentedResults) {
    CResource r = resourceNamed(L"Rebar");
    EXPECT_EQ(r.removeSupplierReference(0), -1);
    EXPECT_EQ(r.addSupplierReference(CString(L"PO-1147")), 0);
    r.setSupplierReference(CString(L"ignored"), 1);
    EXPECT_EQ(r.removeSupplierReference(1), -1);
    EXPECT_EQ(r.removeSupplierReference(0), 0);

    const CEntity3DID a = CEntity3DID::generated(), b = CEntity3DID::generated();
    EXPECT_EQ(r.insert3DRepresentation(a, -2), -1);
    EXPECT_EQ(r.insert3DRepresentation(a, 1), -1);
    EXPECT_EQ(r.insert3DRepresentation(a, -1), 0);
    EXPECT_EQ(r.insert3DRepresentation(a, 0), -1) << "an entity is listed once";
    EXPECT_EQ(r.insert3DRepresentation(b, 0), 0);
    EXPECT_TRUE(r.remove3DRepresentation(a));
    EXPECT_FALSE(r.remove3DRepresentation(a));

    const CDocumentFileID file = CDocumentFileID::generated();
    EXPECT_EQ(r.addDocumentFileID(file, 7), 0) << "an index beyond the count appends";
    EXPECT_EQ(r.addDocumentFileID(file, 0), -1);
}

TEST(Resource, HistoryIsCopiedInAndCleared) {
    CResource crane = resourceNamed(L"Crane", CResourceType::Equipment);
    CRSHistory history;
    for (std::int64_t t : {3000, 1000, 2000}) {
        CRSHistoryItem item;
        item.setTime(CProjectTime(t));
        item.setStatusID(CResourceStateID::generated());
        history.Add(item);
    }
    crane.setHistory(history);
    history.RemoveAll();
    ASSERT_EQ((*crane.getHistory()).GetSize(), 3) << "a copy, not a reference to the caller's history";
    EXPECT_EQ((*crane.getHistory()).getLastState()->getTime(), CProjectTime(3000));
    CResource loaded;
    load(loaded, store(crane));
    EXPECT_TRUE(loaded == crane);
    crane.clearHistory();
    EXPECT_EQ((*crane.getHistory()).GetSize(), 0);
}

TEST(Resource, LoadingRefusesTreesDeeperThanTheArchiveAllows) {
    CResource parent = resourceNamed(L"p"), leaf = resourceNamed(L"l");
    ASSERT_TRUE(parent.insertSubResource(leaf));
    const DeepNesting chain(store(parent), store(leaf), {"Resource", "CUniquePointerArray"});
    CResource shallow;
    load(shallow, chain.nest(40));
    EXPECT_EQ(shallow.countSubResources(true), 40) << "forty levels below the outermost";
    CResource target = resourceNamed(L"kept");
    expectRefusedAsTooDeep(target, chain.nest(150));
}

TEST(Company, OwnsItsResourcesAndRefusesRepeats) {
    CCompany company;
    EXPECT_EQ(company.getType(), CCompanyType(1));
    EXPECT_EQ(company.getColor(), CProjectColorRGB(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(company.getResources().GetSize(), 0);

    const CResource crew = resourceNamed(L"Steel erectors");
    EXPECT_EQ(company.addResource(crew), 0);
    EXPECT_EQ(company.addResource(crew), -1);
    auto repeat = std::make_unique<CResource>(crew);
    EXPECT_FALSE(company.attachResource(repeat->getWritableHandle())) << "the repeat stays ours";
    IResourceWritableHandle out = company.detachResource(crew.getID());
    ASSERT_FALSE(out.isNull());
    EXPECT_TRUE(company.attachResource(out)) << "a detached resource goes back without a copy";
    EXPECT_EQ(company.getResources().GetSize(), 1);
}

}  // namespace
}  // namespace kelvara::test
