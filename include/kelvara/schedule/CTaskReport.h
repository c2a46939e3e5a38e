// The stored form of a task report (see ITaskReport); its cost list is always present.
#pragma once

#include "kelvara/base/ITaskReport.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CCost.h"

class CTaskReport : public ITaskReport {
    KELVARA_OBJECT(TaskReport)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TaskReport)

public:
    ~CTaskReport() override = default;

    int addCost(const ICost& cost) override { return m_Costs.Add(cost); }
    bool changeCost(const ICost& cost) override { return m_Costs.changeElement(cost); }
    void removeCost(const CCostID& id) override { m_Costs.Remove(id); }
    void removeAllCosts() override { m_Costs.RemoveAll(); }
};

KELVARA_KIND_FAMILY(TaskReport)
