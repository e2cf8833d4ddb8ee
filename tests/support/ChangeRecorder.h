// ChangeRecorder: an observer for tests that keeps the class of every change it is told about.
#pragma once

#include <vector>

#include "host/notify/IObserver.h"

class ChangeRecorder final : public IObserver {
public:
    IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID change, ISubject*, PMIID, void*) override { changes.push_back(change); }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}

    std::vector<ClassID> changes;
};
