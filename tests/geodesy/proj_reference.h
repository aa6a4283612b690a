#pragma once
// PROJ as an independent reference: one operation built from a PROJ string,
// applied to single points. Angles in and out are radians.

#include <proj.h>

#include <string>

class ProjReference {
 public:
  explicit ProjReference(const std::string& definition);
  ~ProjReference();
  ProjReference(const ProjReference&) = delete;
  ProjReference& operator=(const ProjReference&) = delete;

  bool IsValid() const { return operation_ != nullptr; }

  // The operation forward (or inverse) on (a, b, c).
  PJ_XYZ Forward(double a, double b, double c = 0.0) const;
  PJ_XYZ Inverse(double a, double b, double c = 0.0) const;

  // "+a=.. +es=.." of an ellipsoid given as (e2, a).
  static std::string EllipsoidParameters(double e2, double a);

 private:
  PJ_XYZ Apply(PJ_DIRECTION direction, double a, double b, double c) const;

  PJ_CONTEXT* context_;
  PJ* operation_;
};
