// The out-of-line destructors of the public interfaces: each interface's
// virtual table and type information live in the library, once, instead of
// in every program that uses it.
#include <vemmix/Color.h>
#include <vemmix/ContainerServices.h>
#include <vemmix/Control.h>
#include <vemmix/StdObjects.h>
#include <vemmix/TextRenderer.h>

namespace vemmix {

Control::~Control() = default;
ControlSite::~ControlSite() = default;
Platform::~Platform() = default;
TooltipFacility::~TooltipFacility() = default;
PropertyBag::~PropertyBag() = default;
TextRenderer::~TextRenderer() = default;
SystemColorTable::~SystemColorTable() = default;
DataObject::~DataObject() = default;
FontObserver::~FontObserver() = default;

}  // namespace vemmix
