#pragma once
// The base of every report element: the owner back link and the name.
#include "report/LayoutPass.h"
#include "report/ReportInterfaces.h"

#include <memory>
#include <string>
#include <utility>

class TReport3;

class TReport3Base : public virtual IReport3Base,
                     public std::enable_shared_from_this<TReport3Base> {
public:
    explicit TReport3Base(TReport3Base* owner) : owner_(owner) {}
    TReport3Base(const TReport3Base&) = delete;
    TReport3Base& operator=(const TReport3Base&) = delete;

    std::shared_ptr<IReport3Base> GetOwner() const override;
    void Changed() override {}
    void SetName(const std::string& name) override { name_ = name; }
    const std::string& GetName() const override { return name_; }

    TReport3Base* Owner() const { return owner_; }
    // Called by an owner that goes while this element is still referenced
    // elsewhere, so that the back link never dangles.
    void DetachFromOwner() { owner_ = nullptr; }
    // The report up the owner chain, starting with this element; null when none.
    const TReport3* FindReport() const;
    TReport3* FindReport() { return const_cast<TReport3*>(std::as_const(*this).FindReport()); }

protected:
    // For an element laid out or measured on its own, through its interface:
    // a pass of its report, which Build never needs.
    TLayoutPass ReportPlacingPass();
    TLayoutPass ReportMeasuringPass() const;

    // Detaches every element of an owned list (for owners' destructors).
    template <class List> static void DetachAll(const List& elements) {
        for (const auto& element : elements) {
            element->DetachFromOwner();
        }
    }

private:
    TReport3Base* owner_;
    std::string name_;
};
