// A building-like 3D model of any size: buildings of levels, each level a slab (cut into parts),
// columns, service runs and rooms, each room its walls, a floor finish and a piece of equipment.
// Walls, slabs and finishes are extrusions, columns and pipes cylinders, service runs poly-lines
// and equipment meshes, so an entity holds about fifty vertices on average (many light boxes, a
// tenth heavy meshes). Entities are built in place and attached, never copied.
#include <algorithm>
#include <string>

#include "Samples.h"
#include "kelvara/model3d/CEntity3D.h"

namespace {

constexpr int kRoomsPerLevel = 40;
constexpr int kLevelsPerBuilding = 20;
constexpr int kMeshRows = 15, kMeshColumns = 28;
constexpr float kStoreyHeight = 3.6f, kRoomSize = 6.0f;

CString label(const wchar_t* stem, int a, int b = -1, int c = -1) {
    std::wstring text(stem);
    for (int n : {a, b, c})
        if (n >= 0) text += L' ' + std::to_wstring(n + 1);
    return CString(std::move(text));
}

// Builds the generated entities, keeping count of entities and vertices against the budget.
class Builder {
public:
    Builder(int budget, bool details, BuildingElements& out) : m_budget(budget), m_details(details), m_out(out) {
        const struct {
            float r, g, b;
        } colours[] = {{0.8f, 0.8f, 0.75f}, {0.6f, 0.6f, 0.6f}, {0.3f, 0.3f, 0.35f}, {0.9f, 0.5f, 0.1f},
                       {0.2f, 0.5f, 0.9f},  {0.7f, 0.2f, 0.2f}};
        for (const auto& c : colours) {
            CGraphicalMaterial m;
            m.setColor(IGraphicalMaterial::Diffuse, CProjectColorRGB(c.r, c.g, c.b));
            m_materials.push_back(m);
        }
    }

    bool full() const { return m_out.entityCount >= m_budget; }

    // A new entity named name, under parent (or at the top of the forest).
    CEntity3D* make(CEntity3DArray* top, CEntity3D* parent, const CString& name) {
        auto* e = new CEntity3D();
        e->setID(CEntity3DID::generated());
        e->setNameOnImport(name);
        e->setName(name);
        e->setExposed(CProjectBool(false));
        if (parent) (void)parent->attachSubEntity(e->getWritableHandle());
        else top->Attach(top->GetSize(), e);
        ++m_out.entityCount;
        return e;
    }

    void material(CEntity3D& e, int which) { e.setMaterial(m_materials[static_cast<std::size_t>(which)]); }

    void box(CEntity3D& e, float x, float y, float w, float d, float base, float height, int extraPoints = 0) {
        CGraphicalPoint2DArray profile;
        profile.reserve(4 + extraPoints);
        profile.Add(CGraphicalPoint2D(x, y));
        // Openings and chamfers show as extra profile points along the first edge.
        for (int k = 1; k <= extraPoints; ++k)
            profile.Add(CGraphicalPoint2D(x + w * static_cast<float>(k) / static_cast<float>(extraPoints + 1),
                                          y + ((k & 1) ? 0.05f * d : 0.0f)));
        profile.Add(CGraphicalPoint2D(x + w, y));
        profile.Add(CGraphicalPoint2D(x + w, y + d));
        profile.Add(CGraphicalPoint2D(x, y + d));
        e.safeAllocateGeometries().getWritableExtrusions().Add(CExtrusion(profile, base, height));
        m_out.vertexCount += profile.GetSize();
    }

    void cylinder(CEntity3D& e, const CGraphicalPoint3D& a, const CGraphicalPoint3D& b, double radius) {
        e.safeAllocateGeometries().getWritableCylinders().Add(CCylinder(radius, a, b, CCapStyle(CCapStyle::BothCaps)));
        m_out.vertexCount += 2;
    }

    void polyline(CEntity3D& e, float x, float y, float z, int points) {
        CGraphicalPoint3DArray line;
        line.reserve(points);
        for (int k = 0; k < points; ++k)
            line.Add(CGraphicalPoint3D(x + 0.5f * static_cast<float>(k), y + ((k / 4) & 1 ? 0.4f : 0.0f), z));
        e.safeAllocateGeometries().getWritablePolyLine3Ds().Add(CPolyLine3D(line));
        m_out.vertexCount += points;
    }

    void mesh(CEntity3D& e, float x, float y, float z) {
        CGraphicalPoint3DArray grid;
        grid.SetSize(kMeshRows * kMeshColumns);
        CGraphicalPoint3D* p = grid.data();
        for (int r = 0; r < kMeshRows; ++r)
            for (int c = 0; c < kMeshColumns; ++c) {
                const float u = static_cast<float>(r) / kMeshRows, v = static_cast<float>(c) / kMeshColumns;
                *p++ = CGraphicalPoint3D(x + u, y + v, z + 0.8f * u * (1.0f - u) * v);
            }
        e.safeAllocateGeometries().getWritableMeshes().Add(CMesh(kMeshRows, kMeshColumns, grid));
        m_out.vertexCount += kMeshRows * kMeshColumns;
    }

    void level(CEntity3D& building, int b, int l) {
        BuildingElements::Storey storey;
        CEntity3D* level = make(nullptr, &building, label(L"Level", b, l));
        storey.level = level->getID();
        const float z = static_cast<float>(l) * kStoreyHeight;
        const int rooms = std::min(kRoomsPerLevel, std::max(1, (m_budget - m_out.entityCount) / 10));
        const float width = kRoomSize * static_cast<float>(std::min(rooms, 8));
        const float depth = kRoomSize * static_cast<float>((rooms + 7) / 8);
        CGraphicalTransform placed;
        placed.setAsTranslation(CGraphicalVector3D(0.0f, 0.0f, z));
        level->setTransform(placed);

        if (!full()) slab(*level, storey, b, l, width, depth);
        for (int c = 0; c < rooms && !full(); ++c) {
            CEntity3D* column = make(nullptr, level, label(L"Column", b, l, c));
            const float cx = kRoomSize * static_cast<float>(c % 8), cy = kRoomSize * static_cast<float>(c / 8);
            cylinder(*column, CGraphicalPoint3D(cx, cy, 0.0f), CGraphicalPoint3D(cx, cy, kStoreyHeight), 0.25);
            material(*column, 1);
            storey.columns.push_back(column->getID());
        }
        for (int r = 0; r < rooms && !full(); ++r) room(*level, storey, b, l, r);
        m_out.storeys.push_back(std::move(storey));
    }

private:
    // A slab cut into four parts (two cuts along x and y), each part a slice of the slab.
    void slab(CEntity3D& level, BuildingElements::Storey& storey, int b, int l, float width, float depth) {
        CEntity3D* slab = make(nullptr, &level, label(L"Slab", b, l));
        box(*slab, 0.0f, 0.0f, width, depth, -0.3f, 0.3f, 12);
        material(*slab, 1);
        storey.slabs.push_back(slab->getID());
        if (!m_details) return;
        CSubdivisionByUniformSlices cuts;
        cuts.setNumberOfXCuts(1);
        cuts.setNumberOfYCuts(1);
        slab->setSubdivision(cuts);
        CEntity3DArray parts;
        for (int i = 0; i < 4 && !full(); ++i) {
            CEntity3D part;
            part.setID(CEntity3DID::generated());
            part.setName(label(L"Slab part", b, l, i));
            part.setSubPartIndex(CSubPartIndex(i % 2, i / 2, 0));
            box(part, width / 2 * static_cast<float>(i % 2), depth / 2 * static_cast<float>(i / 2), width / 2, depth / 2,
                -0.3f, 0.3f);
            parts.Add(part);
            ++m_out.entityCount;
        }
        slab->setSubdivisionParts(IEntity3DArrayHandle(new CEntity3DArrayHandle(&parts)));
    }

    void room(CEntity3D& level, BuildingElements::Storey& storey, int b, int l, int r) {
        CEntity3D* room = make(nullptr, &level, label(L"Room", b, l, r));
        storey.rooms.push_back(room->getID());
        const float x = kRoomSize * static_cast<float>(r % 8), y = kRoomSize * static_cast<float>(r / 8);
        const float t = 0.2f;
        const float walls[4][4] = {{x, y, kRoomSize, t}, {x, y + kRoomSize - t, kRoomSize, t}, {x, y, t, kRoomSize},
                                   {x + kRoomSize - t, y, t, kRoomSize}};
        for (int w = 0; w < 4 && !full(); ++w) {
            CEntity3D* wall = make(nullptr, room, label(L"Wall", l, r, w));
            box(*wall, walls[w][0], walls[w][1], walls[w][2], walls[w][3], 0.0f, kStoreyHeight, 4);
            material(*wall, 0);
            storey.walls.push_back(wall->getID());
        }
        if (!full()) {
            CEntity3D* finish = make(nullptr, room, label(L"Floor finish", l, r));
            box(*finish, x + t, y + t, kRoomSize - 2 * t, kRoomSize - 2 * t, 0.0f, 0.05f);
            material(*finish, 2);
            storey.slabs.push_back(finish->getID());
        }
        if (!full()) {
            CEntity3D* unit = make(nullptr, room, label(L"Equipment", l, r));
            mesh(*unit, x + 1.0f, y + 1.0f, 0.0f);
            material(*unit, 3);
            storey.equipment.push_back(unit->getID());
        }
        // Services: two runs along the ceiling and a riser.
        for (int s = 0; s < 2 && !full(); ++s) {
            CEntity3D* run = make(nullptr, &level, label(s == 0 ? L"Duct run" : L"Cable tray", l, r));
            polyline(*run, x, y + 1.0f + static_cast<float>(s), kStoreyHeight - 0.4f, 20);
            material(*run, 4);
            storey.mep.push_back(run->getID());
        }
        if (!full()) {
            CEntity3D* pipe = make(nullptr, &level, label(L"Riser", l, r));
            cylinder(*pipe, CGraphicalPoint3D(x + 0.5f, y + 0.5f, 0.0f), CGraphicalPoint3D(x + 0.5f, y + 0.5f, kStoreyHeight), 0.05);
            material(*pipe, 5);
            storey.mep.push_back(pipe->getID());
        }
    }

    int m_budget;
    bool m_details;
    BuildingElements& m_out;
    std::vector<CGraphicalMaterial> m_materials;
};

}  // namespace

BuildingElements buildBuildings(CEntity3DArray& into, int entities, bool details) {
    BuildingElements out;
    Builder builder(std::max(entities, 1), details, out);
    for (int b = 0; !builder.full(); ++b) {
        CEntity3D* building = builder.make(&into, nullptr, label(L"Building", b));
        out.buildings.push_back(building->getID());
        for (int l = 0; l < kLevelsPerBuilding && !builder.full(); ++l) builder.level(*building, b, l);
    }
    return out;
}

BuildingElements addBuilding(CProjectDocument& document, int entities) {
    BuildingElements out = buildBuildings(document.getEntity3DRoot().getArray(), entities, true);
    // Notes, user field values and attached documents on a few elements, as a coordinated model
    // carries them.
    CEntity3DArray& top = document.getEntity3DRoot().getArray();
    if (top.GetSize() == 0) return out;
    IEntity3D& building = top.getWritableReference(top.GetUpperBound());
    CNote note;
    note.generateIDs();
    note.setSubject(CString(L"Clash with duct"));
    note.setText(CString(L"Check the riser clearance before the ceiling closes."));
    (void)building.addNote(note, -1);
    const CUserFieldArray& fields = document.getUserFieldRoot().getArray();
    if (fields.GetSize() > 0) {
        CUserFieldValue value;
        value.setUserFieldID(fields.getConstReference(0).getID());
        value.setValue(CString(L"Main contractor"));
        (void)building.addUserFieldValue(value, -1);
    }
    (void)building.addDocumentFileID(CDocumentFileID::generated(), -1);
    CIRayMaterialInstance glass;
    glass.addValueAttr(CProjectString(CString(L"ior")), CProjectString(CString(L"1.52")));
    building.setPhysicalMaterial(&glass);
    return out;
}
