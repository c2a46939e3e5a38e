#include "kelvara/model3d/CMapStringToGraphicalImage.h"

void CMapStringToGraphicalImage::Serialize(CKelvaraArchive& ar) {
    serialize(ar, "CMapStringToGraphicalImage", "CMapStringToGraphicalImage", "graphical images");
}
