#include "project/project_dialog_model.h"

namespace orvent {
namespace {

template <int N>
void Enable(bool (&flags)[N], int index) {
  if (index >= 0 && index < N) flags[index] = true;
}

void ApplicationRules(const ProjectDialogModel& model, bool projectKnown, RadioEnables* out) {
  if (model.CreateMode()) {
    // A new project is always started with Basic.
    Enable(out->application, kBasicRadio);
    return;
  }
  if (!projectKnown) return;
  switch (model.State().projectType) {
    case kTypeMeasurement:
    case kTypeMesoScale:
      Enable(out->application, kBasicRadio);
      Enable(out->application, kEnergyRadio);
      Enable(out->application, kEngineeringRadio);
      break;
    case kTypeDesignWindSpeed:
    case kTypeExtremeWind:
      Enable(out->application, kBasicRadio);
      Enable(out->application, kEngineeringRadio);
      break;
    case kTypeWindPower:
      Enable(out->application, kEnergyRadio);
      break;
    default:
      Enable(out->application, kBasicRadio);
      break;
  }
}

void ProjectTypeRules(const ProjectDialogModel& model, bool projectKnown, RadioEnables* out) {
  if (model.CreateMode()) {
    // Wind power projects are made by the Energy application, not here.
    for (int type = kTypeMeasurement; type <= kTypeExtremeWind; ++type) {
      Enable(out->projectType, type);
    }
    return;
  }
  if (!projectKnown) return;
  if (model.State().projectType == kTypeExtremeWind) {
    Enable(out->projectType, kTypeExtremeWind);
  } else if (model.State().showWindPower) {
    Enable(out->projectType, model.State().initialProjectType);
    if (model.State().application == kEnergyRadio) Enable(out->projectType, kTypeWindPower);
  } else {
    Enable(out->projectType, model.State().projectType);
  }
}

void GeodeticRules(const ProjectDialogModel& model, bool haveProject, RadioEnables* out) {
  if (model.CreateMode()) {
    for (int radio = 0; radio < kGeodeticRadioCount; ++radio) Enable(out->geodetic, radio);
  } else if (haveProject) {
    Enable(out->geodetic, model.State().geodeticRadio);
  }
}

}  // namespace

// An index outside its group (no choice, or a project type the file made up)
// enables nothing.
RadioEnables ProjectDialogModel::Enables() const {
  const bool haveProject = !state_.name.empty() && !state_.location.empty();
  // In select-application mode the project is given even without a name.
  const bool projectKnown = mode_ == ProjectDialogMode::kSelectApplication || haveProject;
  RadioEnables enables;
  ApplicationRules(*this, projectKnown, &enables);
  ProjectTypeRules(*this, projectKnown, &enables);
  GeodeticRules(*this, haveProject, &enables);
  return enables;
}

}  // namespace orvent
