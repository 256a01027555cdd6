#include "annotations.h"

#include <objbase.h>
// The service's GUIDs defined here, as its documentation asks: MinGW's libuuid
// would bring some forty kilobytes of others along.
#include <initguid.h>
#include <oleacc.h>

namespace quill::win {
namespace {

// UI Automation's LiveSetting property, which MinGW's headers lack, and its value Polite.
const GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

}  // namespace

void AnnotateForScreenReaders(const ControlAnnotation* controls, std::size_t count, bool annotate) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services)))) {
        return;
    }
    for (const ControlAnnotation* control = controls; control != controls + count; ++control) {
        if (!annotate) {
            // Exactly what was set.
            MSAAPROPID properties[2];
            int set = 0;
            if (control->name) properties[set++] = PROPID_ACC_NAME;
            if (control->liveRegion) properties[set++] = kLiveSettingProperty;
            services->ClearHwndProps(control->control, OBJID_CLIENT, CHILDID_SELF, properties, set);
            continue;
        }
        if (control->name) {
            services->SetHwndPropStr(control->control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, control->name);
        }
        if (control->liveRegion) {
            VARIANT polite{};
            polite.vt = VT_I4;
            polite.lVal = kPolite;
            services->SetHwndProp(control->control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
        }
    }
    services->Release();
}

}  // namespace quill::win
