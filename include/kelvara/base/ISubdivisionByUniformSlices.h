// How an entity is cut into parts: uniform cuts along the axes of an orientation, cutting
// polylines, or slice positions placed by the user; and the index of one part's slice box. The
// parts themselves are the entity's subdivision parts. A count of n cuts along an axis gives
// n + 1 slices; boxes are numbered x fastest, then y, then z.
#pragma once

#include "kelvara/base/IGeometryArray.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_SubdivisionByUniformSlices(F)                                                  \
    F(PLAIN, CProjectInt, NumberOfXCuts, CProjectInt(0), 1)                                           \
    F(PLAIN, CProjectInt, NumberOfYCuts, CProjectInt(0), 1)                                           \
    F(PLAIN, CProjectInt, NumberOfZCuts, CProjectInt(0), 1)                                           \
    F(EMBEDDED, GraphicalTransform, AxesOrientation, {}, 1)                                           \
    F(PLAIN, CProjectBool, IsPolylineBased, CProjectBool(false), 1)                                   \
    F(MANUAL, const IPolyLine3DArray&, Polylines, ISubdivisionByUniformSlices::noPolylines(), 1)      \
    F(PLAIN, CProjectBool, IsUserSlices, CProjectBool(false), 1)                                      \
    F(VALUE, CProjectDoubleArray, UserSlicesArray, {}, 1)                                             \
    F(VALUE, CEntity3DIDArray, 3DSet, {}, 1)

class ISubdivisionByUniformSlices : public CRecord<ISubdivisionByUniformSlices> {
    KELVARA_INTERFACE(SubdivisionByUniformSlices)
    KELVARA_RECORD(ISubdivisionByUniformSlices, "SubdivisionByUniformSlices", KELVARA_FIELDS_SubdivisionByUniformSlices)

public:
    // The empty polyline list the field list's default copies from.
    static const IPolyLine3DArray& noPolylines();

    virtual const IPolyLine3DArray& getPolylines() const = 0;
    virtual IPolyLine3DArray& getWritablePolylines() = 0;
    // Appends a copy; answers its position. The caller tests isValidPolylineToAdd first.
    int addPolyline(const IPolyLine3D& polyline) { return getWritablePolylines().Add(polyline); }
    int getNumPolylines() const { return getPolylines().GetSize(); }
    // A cutting polyline needs two points, every coordinate finite, and two points that differ.
    static bool isValidPolylineToAdd(const IPolyLine3D& polyline);
    // Polyline-based: the number of polylines; otherwise the number of slice boxes,
    // (nx + 1)(ny + 1)(nz + 1), with a negative count of cuts taken as none and a product beyond
    // the int range answered as the int maximum.
    int getNumSubDivisionCountorPolylines() const;

    int getUserSlicesSize() const { return getUserSlicesArray().GetSize(); }
    double getUserSlicesValue(int i) const { return getUserSlicesArray().GetAt(i).getValue(); }

    // ((ny + 1) * iz + iy) * (nx + 1) + ix; 0 (also slice (0, 0, 0)'s box) when ix > nx, iy > ny or
    // iz > nz. Negative slice indexes are not checked.
    static int ConvertSliceIndexToCommonBoxIndex(int nx, int ny, int nz, int ix, int iy, int iz);
    // The inverse of the above. Counts for which (nx + 1)(ny + 1) is not positive (an unset or
    // damaged count of -1 or less) answer 0, 0, 0.
    static void ConvertCommonBoxIndexToSliceIndex(int nx, int ny, int nz, int index, int& ix, int& iy, int& iz);
};

#define KELVARA_FIELDS_SubPartIndex(F)                 \
    F(PLAIN, CProjectInt, XIndex, CProjectInt(0), 1)   \
    F(PLAIN, CProjectInt, YIndex, CProjectInt(0), 1)   \
    F(PLAIN, CProjectInt, ZIndex, CProjectInt(0), 1)

// The slice box a subdivision part stands for.
class ISubPartIndex : public CRecord<ISubPartIndex> {
    KELVARA_INTERFACE(SubPartIndex)
    KELVARA_RECORD(ISubPartIndex, "SubPartIndex", KELVARA_FIELDS_SubPartIndex)
};

#define KELVARA_FIELDS_TextProperties(F)                  \
    F(TEXT, CProjectString, TextFontString, {}, 1)        \
    F(TEXT, CProjectString, TextAlignmentString, {}, 1)

// The font and alignment of an entity's text, each kept as its text form.
class ITextProperties : public CRecord<ITextProperties> {
    KELVARA_INTERFACE(TextProperties)
    KELVARA_RECORD(ITextProperties, "TextProperties", KELVARA_FIELDS_TextProperties)

public:
    // A null text is the empty text.
    void setTextFontString(const wchar_t* text) { setTextFontString(CString(text ? text : L"")); }
    void setTextAlignmentString(const wchar_t* text) { setTextAlignmentString(CString(text ? text : L"")); }
};

#define KELVARA_FIELDS_LineProperties(F)                      \
    F(TEXT, CProjectString, Pattern, {}, 1)                   \
    F(PLAIN, CProjectDouble, Weight, CProjectDouble(1.0), 1)

// The dash pattern and weight of an entity's lines.
class ILineProperties : public CRecord<ILineProperties> {
    KELVARA_INTERFACE(LineProperties)
    KELVARA_RECORD(ILineProperties, "LineProperties", KELVARA_FIELDS_LineProperties)
};
