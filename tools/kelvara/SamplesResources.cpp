// Sample companies, resources, cost rules and resource groups for the demo project: a general
// contractor and its trade contractors (concrete, steel, MEP, finishes) owning crews, plant and
// materials, with rates that rise mid-project, cost rules with dated rates, and resource groups.
// Some resources carry a history through the resource states already in the document.
#include <initializer_list>
#include <string>
#include <utility>

#include "Samples.h"

namespace {

constexpr std::int64_t kDay = 24LL * 3600 * 1000;
constexpr std::int64_t kProjectStart = 1767225600000LL;  // 2026-01-01
constexpr std::int64_t kRateRise = 1783036800000LL;      // 2026-07-03, the wage agreement

CString numbered(const wchar_t* stem, int copy, int scale) {
    return scale > 1 ? CString(stem) + CString(L" ") + CString(std::to_wstring(copy + 1)) : CString(stem);
}

CCost cost(const wchar_t* what, double amount, CCostType::Value type) {
    CCost c;
    c.setDescription(CProjectString(what));
    c.setAmount(amount);
    c.setType(type);
    return c;
}

// A rate from the project start and a higher one from the rate rise, each with its cost lines.
void addRates(CResource& resource, double daily, CCostType::Value type, int usePerDay) {
    for (const auto& [from, factor] : {std::pair{kProjectStart, 1.0}, std::pair{kRateRise, 1.06}}) {
        CResourceRate rate;
        rate.setEffectiveDate(CProjectDate(from));
        rate.setUseRatePerDay(usePerDay);
        (void)rate.addCost(cost(L"Day rate", daily * factor, type), -1);
        if (type == CCostType::Equipment) (void)rate.addCost(cost(L"Fuel and servicing", daily * 0.12 * factor, CCostType::Expense), -1);
        (void)resource.addResourceRate(rate, -1);
    }
}

CResource resource(const CString& name, const wchar_t* code, CResourceType::Value type, CResourceUnitType::Value unit,
                   const CRuleID& rule, unsigned long color) {
    CResource r;
    r.setName(CProjectString(name));
    r.setResourceCode(CProjectString(code));
    r.setType(type);
    r.setResourceUnitType(unit);
    r.setRuleID(rule);
    r.setPresentationColorIsAutomatic(false);
    r.setPresentationColor(color);
    r.setRenewableResource(type != CResourceType::Material);
    r.setPartibilityOfOneUnit(type == CResourceType::Material);
    return r;
}

CRule rule(const wchar_t* code, const wchar_t* description, double rate, CResourceUnitType::Value unit) {
    CRule r;
    r.setID(CRuleID::generated());
    r.setRuleCode(CProjectString(code));
    r.setDescription(CProjectString(description));
    r.setRate(rate);
    r.setUnit(unit);
    (void)r.addEffectiveRate(CRuleRate(CProjectDate(kProjectStart), rate, rate * 8.0), -1);
    (void)r.addEffectiveRate(CRuleRate(CProjectDate(kRateRise), rate * 1.06, rate * 8.0 * 1.06), -1);
    return r;
}

CCompany company(const CString& name, CCompanyType::Value type, const wchar_t* phone, const wchar_t* mail,
                 const CProjectColorRGB& color) {
    CCompany c;
    c.setID(CCompanyID::generated());
    c.setName(CProjectString(name));
    c.setType(type);
    c.setAddress(CProjectString(L"Unit 4, Riverside Industrial Estate"));
    c.setTelephoneNumber(CProjectString(phone));
    c.setEmailAddress(CProjectString(mail));
    c.setColor(color);
    return c;
}

// Delivered, then installed a few weeks later, when the document holds such states.
void giveHistory(CResource& resource, const CProjectDocument& project, int weeks) {
    const CResourceStateArray& states = project.getResourceStateRoot().getArray();
    if (states.GetSize() < 3) return;
    CRSHistory history;
    for (const auto& [state, day] : {std::pair{1, 7 * weeks}, std::pair{2, 7 * weeks + 21}}) {
        CRSHistoryItem item;
        item.setTime(CProjectTime(kProjectStart + day * kDay));
        item.setRecordTime(CProjectTime(kProjectStart + day * kDay + 3600000));
        item.setStatusID(states.getConstReference(state).getID());
        item.setNote(CProjectString(state == 1 ? L"Delivered to laydown area" : L"Installed and signed off"));
        (void)history.Add(item);
    }
    resource.setHistory(history);
    resource.setResourceStateID(states.getConstReference(2).getID());
}

}  // namespace

std::vector<CResourceID> addSampleCompaniesAndResources(CProjectDocument& project, int scale,
                                                        const BuildingElements& building) {
    std::vector<CResourceID> assignable;
    CRuleArray& rules = project.getRuleRoot().getArray();
    CRule labour = rule(L"LAB", L"Labour, hourly", 48.0, CResourceUnitType::Hour);
    (void)labour.addSubRule(rule(L"LAB-OT", L"Labour, overtime", 72.0, CResourceUnitType::Hour), -1);
    (void)labour.addSubRule(rule(L"LAB-WE", L"Labour, weekends", 96.0, CResourceUnitType::Hour), -1);
    const CRule plant = rule(L"PLT", L"Plant hire, daily", 650.0, CResourceUnitType::Day);
    const CRule concrete = rule(L"MAT-C", L"Ready-mix concrete", 145.0, CResourceUnitType::CubicMetre);
    const CRule steel = rule(L"MAT-S", L"Structural steel, supplied", 1450.0, CResourceUnitType::Tonne);
    for (const CRule* r : std::initializer_list<const CRule*>{&labour, &plant, &concrete, &steel}) rules.Add(*r);

    CCompanyArray& companies = project.getCompanyRoot().getArray();
    CResourceGroupArray& groups = project.getResourceGroupRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        CCompany main = company(numbered(L"Harbourline Construction", s, scale), CCompanyType::Contractor,
                                L"+44 20 7946 0110", L"site@harbourline.example", CProjectColorRGB(0.1f, 0.3f, 0.6f));
        CResource crane = resource(L"Tower crane TC-1", L"TC1", CResourceType::Equipment, CResourceUnitType::Day,
                                   plant.getID(), 0x0000C0FFul);
        CResource operatorCrew = resource(L"Crane operator", L"TC1-OP", CResourceType::Equipment, CResourceUnitType::Hour,
                                          labour.getID(), 0x0000A0E0ul);
        (void)crane.insertSubResource(operatorCrew);
        addRates(crane, 2400.0, CCostType::Equipment, 1);
        crane.setLeadTime(CProjectDuration(28 * kDay));
        crane.setValueOfWorkspaceRequiredByOneUnit(36.0);
        giveHistory(crane, project, 2);
        CResource groundworks = resource(L"Groundworks gang", L"GW", CResourceType::Labour, CResourceUnitType::Hour,
                                         labour.getID(), 0x00408040ul);
        addRates(groundworks, 1650.0, CCostType::Labour, 8);
        CResource excavator = resource(L"20 t excavator", L"EX20", CResourceType::Equipment, CResourceUnitType::Day,
                                       plant.getID(), 0x00206080ul);
        addRates(excavator, 780.0, CCostType::Equipment, 1);
        for (CResource* r : {&crane, &groundworks, &excavator}) {
            (void)main.addResource(*r);
            assignable.push_back(r->getID());
        }

        CCompany concreteCo = company(numbered(L"Northgate Concrete", s, scale), CCompanyType::Subcontractor,
                                      L"+44 161 496 0432", L"orders@northgate.example", CProjectColorRGB(0.55f, 0.55f, 0.55f));
        CResource formwork = resource(L"Formwork crew", L"FW", CResourceType::Labour, CResourceUnitType::Hour,
                                      labour.getID(), 0x00808080ul);
        (void)formwork.insertSubResource(resource(L"Carpenter", L"FW-C", CResourceType::Labour, CResourceUnitType::Hour,
                                                  labour.getID(), 0x00909090ul));
        (void)formwork.insertSubResource(resource(L"Labourer", L"FW-L", CResourceType::Labour, CResourceUnitType::Hour,
                                                  labour.getID(), 0x00A0A0A0ul));
        addRates(formwork, 1980.0, CCostType::Labour, 8);
        CResource readyMix = resource(L"C32/40 ready-mix", L"RMX40", CResourceType::Material,
                                      CResourceUnitType::CubicMetre, concrete.getID(), 0x00C0C0C0ul);
        (void)readyMix.addSupplierReference(CString(L"Framework order FO-2291"));
        addRates(readyMix, 138.0, CCostType::Material, 0);
        giveHistory(readyMix, project, 5);
        for (const BuildingElements::Storey& storey : building.storeys) {
            for (const CEntity3DID& id : storey.slabs) (void)readyMix.add3DRepresentation(id);
            for (const CEntity3DID& id : storey.columns) (void)readyMix.add3DRepresentation(id);
        }
        CResource pump = resource(L"Concrete pump, 42 m boom", L"PUMP42", CResourceType::Equipment, CResourceUnitType::Day,
                                  plant.getID(), 0x00707070ul);
        addRates(pump, 1150.0, CCostType::Equipment, 1);
        for (CResource* r : {&formwork, &readyMix, &pump}) {
            (void)concreteCo.addResource(*r);
            assignable.push_back(r->getID());
        }

        CCompany steelCo = company(numbered(L"Keystone Steel Erectors", s, scale), CCompanyType::Subcontractor,
                                   L"+44 121 496 0877", L"projects@keystone.example", CProjectColorRGB(0.7f, 0.2f, 0.1f));
        CResource erectors = resource(L"Steel erection gang", L"SE", CResourceType::Labour, CResourceUnitType::Hour,
                                      labour.getID(), 0x001030B0ul);
        addRates(erectors, 2300.0, CCostType::Labour, 8);
        CResource sections = resource(L"Structural steel sections", L"S355", CResourceType::Material, CResourceUnitType::Tonne,
                                      steel.getID(), 0x002040C0ul);
        (void)sections.addSupplierReference(CString(L"Mill certificate batch 7781"));
        sections.setLeadTime(CProjectDuration(42 * kDay));
        addRates(sections, 1420.0, CCostType::Material, 0);
        giveHistory(sections, project, 9);
        for (const BuildingElements::Storey& storey : building.storeys)
            for (const CEntity3DID& id : storey.columns) (void)sections.add3DRepresentation(id);
        for (CResource* r : {&erectors, &sections}) {
            (void)steelCo.addResource(*r);
            assignable.push_back(r->getID());
        }

        CCompany mep = company(numbered(L"Brightwater MEP Services", s, scale), CCompanyType::Subcontractor,
                               L"+44 117 496 0321", L"info@brightwater.example", CProjectColorRGB(0.1f, 0.6f, 0.3f));
        CResource electricians = resource(L"Electricians", L"ELEC", CResourceType::Labour, CResourceUnitType::Hour,
                                          labour.getID(), 0x0000D0D0ul);
        addRates(electricians, 1850.0, CCostType::Labour, 8);
        CResource plumbers = resource(L"Plumbers", L"PLMB", CResourceType::Labour, CResourceUnitType::Hour,
                                      labour.getID(), 0x00D0A000ul);
        addRates(plumbers, 1760.0, CCostType::Labour, 8);
        CResource ductwork = resource(L"Galvanised ductwork", L"DUCT", CResourceType::Material, CResourceUnitType::Metre,
                                      CRuleID(), 0x00B0B0B0ul);
        addRates(ductwork, 64.0, CCostType::Material, 0);
        for (const BuildingElements::Storey& storey : building.storeys)
            for (const CEntity3DID& id : storey.mep) (void)ductwork.add3DRepresentation(id);
        for (CResource* r : {&electricians, &plumbers, &ductwork}) {
            (void)mep.addResource(*r);
            assignable.push_back(r->getID());
        }

        CCompany finishes = company(numbered(L"Fairfield Interiors", s, scale), CCompanyType::Subcontractor,
                                    L"+44 113 496 0555", L"jobs@fairfield.example", CProjectColorRGB(0.8f, 0.6f, 0.2f));
        CResource drylining = resource(L"Drylining crew", L"DRY", CResourceType::Labour, CResourceUnitType::Hour,
                                       labour.getID(), 0x0080C0E0ul);
        addRates(drylining, 1540.0, CCostType::Labour, 8);
        CResource painters = resource(L"Decorators", L"DEC", CResourceType::Labour, CResourceUnitType::Hour,
                                      labour.getID(), 0x00E0E0A0ul);
        addRates(painters, 1380.0, CCostType::Labour, 8);
        for (CResource* r : {&drylining, &painters}) {
            (void)finishes.addResource(*r);
            assignable.push_back(r->getID());
        }

        for (const CCompany* c : {&main, &concreteCo, &steelCo, &mep, &finishes}) companies.Add(*c);

        CResourceGroup lifting;
        lifting.setName(numbered(L"Lifting and plant", s, scale));
        for (const CResource* r : {&crane, &excavator, &pump}) (void)lifting.addToResourceGroup(r->getID());
        CResourceGroup concreteGang;
        concreteGang.setName(numbered(L"Concrete pour team", s, scale));
        for (const CResource* r : {&formwork, &pump, &readyMix}) (void)concreteGang.addToResourceGroup(r->getID());
        CResourceGroup services;
        services.setName(numbered(L"Services first fix", s, scale));
        for (const CResource* r : {&electricians, &plumbers}) (void)services.addToResourceGroup(r->getID());
        for (const CResourceGroup* g : {&lifting, &concreteGang, &services}) groups.Add(*g);
    }
    return assignable;
}
