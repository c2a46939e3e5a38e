// Sample animations and paths for the demo: a fly-round of the site with notations switched on and
// off and the focus date moving across the programme, and a crane's lifting route with a sub-path.
#include <cmath>
#include <string>

#include "Samples.h"

namespace {

constexpr std::int64_t kDay = 24LL * 3600 * 1000;
constexpr std::int64_t kProjectStart = 1767225600000LL;  // 2026-01-01
constexpr double kPi = 3.14159265358979323846;
constexpr int kTicksPerSecond = 25;

CString numbered(const wchar_t* stem, int i) { return CString(stem) + CString(std::to_wstring(i + 1)); }

// A camera on a circle of radius around the site, looking at its centre from above.
CViewpointCamera cameraAround(double angle, float radius, float height) {
    CViewpointCamera camera;
    const float x = radius * static_cast<float>(std::cos(angle));
    const float y = radius * static_cast<float>(std::sin(angle));
    camera.setPosition(CGraphicalPoint3D(x, y, height));
    camera.setForwards(CGraphicalVector3D(-x, -y, -height));
    camera.setUp(CGraphicalVector3D(0.0f, 0.0f, 1.0f));
    (void)camera.validateDirection();
    return camera;
}

CAnimation flyRound(const C3DNotationArray& notations, int index, int frames) {
    CAnimation animation(numbered(L"Site fly-round ", index).GetString());

    CCameraTimeline camera;
    for (int i = 0; i <= frames; ++i) {
        CCameraKeyFrame key(i * 2 * kTicksPerSecond, cameraAround(2 * kPi * i / frames, 60.0f, 25.0f - 2.0f * i));
        key.setInterpolationType(i % 3 == 2 ? CInterpolationType::Spherical : CInterpolationType::Bezier);
        if (i == 0) {
            CTurnableAnimation turn;
            turn.setDegrees(90.0);
            key.setTurnableAnimation(turn);
        }
        if (i == frames / 2 && notations.GetSize() > 0) {
            CCameraMarker marker;
            marker.setType(ICameraMarker::CMarkerType::Notation3D);
            marker.setObjectID(notations.getConstReference(0).getID());
            key.setCameraMarker(marker);
        }
        (void)camera.addKeyFrame(key);
    }
    animation.setCameraTimeline(camera);

    // Notations appear one after another, each hiding the one before, then all are hidden for the
    // closing shot.
    CEventTimeline events;
    CEventKeyFrame opening(0);
    opening.setShowMainGrid(true);
    (void)events.addKeyFrame(opening);
    for (int i = 0; i < notations.GetSize(); ++i) {
        CEventKeyFrame show((i + 1) * 2 * kTicksPerSecond);
        C3DNotationIDArray shown;
        shown.Add(notations.getConstReference(i).getID());
        show.setShown3DNotationIDs(shown);
        if (i > 0) {  // each label in turn: the one before makes way
            C3DNotationIDArray hidden;
            hidden.Add(notations.getConstReference(i - 1).getID());
            show.setHidden3DNotationIDs(hidden);
        }
        (void)events.addKeyFrame(show);
    }
    CEventKeyFrame closing(frames * 2 * kTicksPerSecond);
    closing.setHideAll3DNotations(true);
    closing.setHideMainGrid(true);
    (void)events.addKeyFrame(closing);
    animation.setEventTimeline(events);

    // The model's date runs from the project start to five months in.
    CProjectTimeTimeline focus;
    for (int month = 0; month <= 5; ++month) {
        CProjectTimeKeyFrame key(month * frames * 2 * kTicksPerSecond / 5, CProjectTime(kProjectStart + month * 30 * kDay));
        key.setInterpolationType(CInterpolationType::Linear);
        (void)focus.addKeyFrame(key);
    }
    animation.setFocusTimeTimeline(focus);
    return animation;
}

CPath craneLift(int index) {
    CPath path;
    path.setName(CProjectString(numbered(L"Crane lift ", index)));
    path.setColor(CProjectColorRGB(1.0f, 0.6f, 0.0f));
    path.setDuration(CProjectDuration(90LL * 1000));

    // Up from the laydown area, slewing a quarter turn about the crane's mast, down onto the deck.
    const CGraphicalPoint3D mast(10.0f * static_cast<float>(index), 0.0f, 0.0f);
    const float s = static_cast<float>(std::sin(kPi / 8));
    const float c = static_cast<float>(std::cos(kPi / 8));
    CPathTimeline timeline;
    (void)timeline.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(0, 0, 0), CQuat(), mast, 0);
    (void)timeline.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(0, 0, 18), CQuat(), mast, 30);
    (void)timeline.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(0, 0, 18), CQuat(0, 0, s, c), mast, 60);
    (void)timeline.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(0, 0, 9), CQuat(0, 0, 2 * s * c, c * c - s * s), mast, 90);
    CPathTimeline normalized;
    (void)normalized.Normalize(timeline);
    path.setTimeline(normalized);

    CPath setDown;
    setDown.setName(CProjectString(L"Set-down"));
    setDown.setDuration(CProjectDuration(20LL * 1000));
    CPathTimeline last;
    (void)last.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(0, 0, 9), CQuat(), mast, 0);
    (void)last.addKeyFrame(CKeyFrameID::generated(), CGraphicalPoint3D(0, 0, 7.5f), CQuat(), mast, 20);
    setDown.setTimeline(last);
    (void)path.addSubPath(setDown);
    return path;
}

}  // namespace

void addAnimationsAndPaths(CProjectDocument& project, int scale) {
    const C3DNotationArray& notations = project.get3DNotationRoot().getArray();
    CAnimationArray& animations = project.getAnimationRoot().getArray();
    for (int i = 0; i < scale; ++i) (void)animations.Add(flyRound(notations, i, 8));
    CPathArray& paths = project.getPathRoot().getArray();
    for (int i = 0; i < 2 * scale; ++i) (void)paths.Add(craneLift(i));
}
