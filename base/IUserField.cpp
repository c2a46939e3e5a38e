#include "kelvara/base/IUserField.h"

void IUserField::initialize() {
    getWritableID().generate();
    setName(CProjectString());
    setCommentary(CProjectString());
    setType(CUserFieldType(CUserFieldType::Text));
    setCategory(CUserFieldCategory(CUserFieldCategory::Task));
    setColor(CProjectColorRGB(0.0f, 0.0f, 0.0f));
    setCheck(CProjectBool(false));
    setLimit(CProjectBool(false));
    setDraw(CProjectBool(false));
    setDrawCumulative(CProjectBool(false));
    setFormula(CProjectString());
    setDiscipline(CUserFieldDisciplineType(CUserFieldDisciplineType::None));
}
