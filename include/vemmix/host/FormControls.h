// The controls of a saved form, made, given their property sets and saved
// again the same way by every container that loads forms.
#pragma once

#include <cstdint>
#include <memory>

#include <QString>
#include <QStringList>

#include <vemmix/Control.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Export.h>
#include <vemmix/host/PropertySet.h>

namespace vemmix::host {

// A control of the class a saved form names: the container's own "Frame"
// and "Label" (without regard to case), any other class through
// `registry`. It has not had Initialize. No object, with `error` set (429
// for a class no library has), when none is made.
VEMMIX_HOST_EXPORT std::unique_ptr<Control> CreateFormControl(QStringView className,
                                                              const ControlRegistry& registry,
                                                              ControlSite& site,
                                                              std::int32_t* error = nullptr);

// The visible stand-in for a control of `className` that could not be
// made (error number `error`): a framed box naming both. It has no
// properties; its container keeps the set it was saved with and writes it
// back unchanged.
VEMMIX_HOST_EXPORT std::unique_ptr<Control> MakePlaceholder(ControlSite& site,
                                                            const QString& className,
                                                            std::int32_t error);
// Why a placeholder stands in: "\"Acme.Gauge\" cannot be created (error
// 429: …); a placeholder keeps its properties".
VEMMIX_HOST_EXPORT QString PlaceholderProblem(const QString& className, std::int32_t error);

// Gives a control its saved set: ReadProperties from a copy of `set`, or
// InitProperties when the set is empty. Each key the control refuses is
// appended to `problems` (when not null) as "<location>.properties.<key>:
// refused (error n: message): reason".
VEMMIX_HOST_EXPORT void ReadControlProperties(Control& control, const PropertySet& set,
                                              std::shared_ptr<PictureSources> pictures,
                                              const QString& location, QStringList* problems);

// The set a control writes now: the container's _ExtentX and _ExtentY (its
// size in HIMETRIC at the screen's resolution), then the control's keys.
VEMMIX_HOST_EXPORT PropertySet WriteControlProperties(Control& control,
                                                      std::shared_ptr<PictureSources> pictures,
                                                      int width, int height, int dpiX, int dpiY);

}  // namespace vemmix::host
