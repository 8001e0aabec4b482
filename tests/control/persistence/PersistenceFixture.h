// A headless form on which buttons are created new (InitProperties) or
// loaded from a property bag (ReadProperties), and saved again.
#pragma once

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <cstdint>
#include <string>
#include <vector>

#include "control/Zorvane.h"
#include <vemmix/headless/HeadlessContainer.h>
#include "base/Color.h"
#include "tests/support/PersistedProperties.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::persisttest {

using headless::HeadlessForm;
using headless::HeadlessSite;
using headless::MemoryPropertyBag;

class PersistenceTest : public ::testing::Test {
protected:
    HeadlessForm form;
    int created = 0;

    // A button as the container makes it before either initialisation.
    HeadlessSite& Created(std::u16string name = {}) {
        if (name.empty()) name = u"Zorvane" + std::u16string(1, char16_t(u'A' + created));
        ++created;
        HeadlessSite* site = form.AddControl(u"Vemmix.Zorvane", std::move(name), {0, 0, 100, 30});
        if (!site || !ZorvaneOf(*site)) throw std::runtime_error("no Zorvane");
        return *site;
    }
    Zorvane& New() {
        HeadlessSite& site = Created();
        ZorvaneOf(site)->InitProperties();
        return *ZorvaneOf(site);
    }
    Zorvane& Load(PropertyBag& bag, std::u16string name = {}) {
        HeadlessSite& site = Created(std::move(name));
        ZorvaneOf(site)->ReadProperties(bag);
        return *ZorvaneOf(site);
    }
    static HeadlessSite& SiteOf(Zorvane& button) {
        return static_cast<HeadlessSite&>(button.Site());
    }
    static MemoryPropertyBag Save(Zorvane& button) {
        MemoryPropertyBag bag;
        button.WriteProperties(bag);
        return bag;
    }

    std::vector<std::string> Notified() const {
        std::vector<std::string> names;
        for (const auto& e : const_cast<HeadlessForm&>(form).log())
            if (e.kind == headless::LogEntry::Kind::PropertyChanged)
                names.push_back(test::Narrow16(e.name));
        return names;
    }
    int Repaints() const {
        int n = 0;
        for (const auto& e : const_cast<HeadlessForm&>(form).log())
            if (e.kind == headless::LogEntry::Kind::Repaint) ++n;
        return n;
    }

    static std::vector<std::u16string> KeyNames() {
        std::vector<std::u16string> keys;
        for (const auto& k : test::PersistedKeys()) keys.push_back(k.key);
        return keys;
    }
    static std::vector<std::u16string> StoredKeys(const MemoryPropertyBag& bag) {
        std::vector<std::u16string> keys;
        for (const auto& [key, value] : bag.entries()) keys.push_back(key);
        return keys;
    }

    static COLORREF Translate(OleColor c) { return TranslateColor(c, ClassicSystemColors()); }
};

}  // namespace vemmix::persisttest
