// The display material of a 3D object: its colour-definition text and the texture definitions it
// uses. The text is a list of entries "Key=values;" (keys: Ambient, Diffuse, Specular, Emissive
// with three numbers "r g b"; Transparency, Shininess with one number), edited in place through
// the concrete class's replaceFragmentInBuffer by the setters below.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/Values.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

// The bytes of the colour-definition text. Their count is kept beside them and a terminating zero
// follows them, so no reader or edit ever measures past the end; a buffer may hold zero bytes.
class CGraphicalMaterialBuffer {
public:
    CGraphicalMaterialBuffer() = default;
    CGraphicalMaterialBuffer(const CGraphicalMaterialBuffer& other) { assign(other.data(), other.length()); }
    CGraphicalMaterialBuffer& operator=(const CGraphicalMaterialBuffer& other);
    CGraphicalMaterialBuffer(CGraphicalMaterialBuffer&&) noexcept = default;
    CGraphicalMaterialBuffer& operator=(CGraphicalMaterialBuffer&&) noexcept = default;

    const char* data() const noexcept { return m_bytes.get(); }  // null when there is no buffer
    int length() const noexcept { return m_length; }
    std::string_view text() const noexcept { return m_bytes ? std::string_view(m_bytes.get(), static_cast<std::size_t>(m_length)) : std::string_view(); }
    void assign(const char* bytes, int count);                    // a copy; count < 1 (or null) discards
    void reset() noexcept;

    // Replaces the fragment [start, start + oldLength) by newLength zero bytes and answers the
    // buffer (the caller writes the new fragment at start). Start and old length both negative
    // discard the buffer first and make a fresh one of newLength zero bytes (null when below 1).
    // A range not inside the buffer, or a negative new length, leaves it unchanged and answers null.
    char* replaceFragment(int start, int oldLength, int newLength);

    int compare(const CGraphicalMaterialBuffer& other) const noexcept;  // bytes, then the shorter first
    bool operator==(const CGraphicalMaterialBuffer& other) const noexcept { return compare(other) == 0; }
    // The count (int), then the bytes.
    void Serialize(CKelvaraArchive& ar);

private:
    std::unique_ptr<char[]> m_bytes;
    int m_length = 0;
};


#define KELVARA_FIELDS_GraphicalMaterial(F)                          \
    F(MANUAL, CGraphicalMaterialBuffer, Buffer, {}, 1)               \
    F(MANUAL, CTextureDefinitionIDArray, TextureDefinitionIDArray, {}, 1)

class IGraphicalMaterial : public CRecord<IGraphicalMaterial> {
    KELVARA_INTERFACE(GraphicalMaterial)
    KELVARA_RECORD(IGraphicalMaterial, "GraphicalMaterial", KELVARA_FIELDS_GraphicalMaterial)

public:
    // The channels of the colour-definition text.
    enum EnumMaterialType : int {
        Ambient = 0,       // colour
        Diffuse = 1,       // colour
        Specular = 2,      // colour
        Emissive = 3,      // colour
        Transparency = 4,  // number, 0 opaque to 1 invisible
        Shininess = 5,     // number
    };
    static bool isColorType(EnumMaterialType type) noexcept { return type >= Ambient && type <= Emissive; }
    static const char* keyOf(EnumMaterialType type) noexcept;  // null for a value outside the enumeration

    virtual const CGraphicalMaterialBuffer& getBuffer() const = 0;
    // The identifiers, or a shared empty array when the material has none.
    virtual const CTextureDefinitionIDArray& getTextureDefinitionIDArray() const = 0;
    virtual void setTextureDefinitionIDArray(const IIDPointerArray<CTextureDefinitionID>& ids) = 0;
    virtual void clearTextureDefinitionIDArray() = 0;

    int getBufferLen() const { return getBuffer().length(); }
    std::string getColorDefinition() const { return std::string(getBuffer().text()); }
    void setColorDefinition(const char* text);  // the whole text; null or empty leaves no buffer

    // Each setter answers false (changing nothing) for a type of the other kind.
    bool setColor(EnumMaterialType type, const CProjectColorRGB& color);
    bool setFloat(EnumMaterialType type, float value);
    // False when the text has no readable entry of the type (color / value then unchanged).
    bool getColor(EnumMaterialType type, CProjectColorRGB& color) const;
    bool getFloat(EnumMaterialType type, float& value) const;
    bool hasValue(EnumMaterialType type) const;
    bool removeValue(EnumMaterialType type);

    // The record is written by hand rather than from the field list, so that a material without
    // texture identifiers stays without an identifier array after a copy, a load or a reset. Record
    // "GraphicalMaterial": the buffer, then the texture identifiers ("CIDPointerArray"); absent
    // and empty identifier lists compare equal.
    static constexpr bool kRecordByHand = true;
    void copyRecord(const IGraphicalMaterial& other);
    bool equalRecord(const IGraphicalMaterial& other) const;
    void serializeRecord(CKelvaraArchive& ar);
    void initializeRecord();
    // Nothing here has an identity (texture identifiers are references); no array is created.
    void generateRecordIDs() {}
    // A total order consistent with ==: the text bytes, then the identifiers in order.
    bool operator<(const IGraphicalMaterial& other) const;

protected:
    virtual char* replaceFragmentInBuffer(int start, int oldLength, int newLength) = 0;

private:
    bool setEntry(EnumMaterialType type, std::string_view values);

    virtual CGraphicalMaterialBuffer& getWritableBuffer() = 0;
    virtual CTextureDefinitionIDArray& getWritableTextureDefinitionIDArray() = 0;
};


class IGraphicalMaterialArray : public kelvara::detail::IOwnedPointerArray<IGraphicalMaterial> {
public:
    static constexpr const char* kMarker = "CGraphicalMaterialArray";
};
