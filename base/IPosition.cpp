#include "kelvara/base/IPosition.h"

void IPosition::initialize(const CString& name) {
    getWritableID().generate();
    setName(CProjectString(name));
    setFocusTime(CProjectTime());
    getWritableViewpoint().clear();
    setIsFocusTime(false);
    setIsViewpoint(true);
    setMarkersString(CProjectString());
    setDescription(CProjectString());
    setURL(CProjectString());
    getWritableCuttingPlaneIDs().RemoveAll();
    getWritableFilterIDs().RemoveAll();
    setFilterOperation(0);
}
