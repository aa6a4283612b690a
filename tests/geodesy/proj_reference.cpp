#include "tests/geodesy/proj_reference.h"

#include "framework/text/numbers.h"

ProjReference::ProjReference(const std::string& definition)
    : context_(proj_context_create()), operation_(proj_create(context_, definition.c_str())) {}

ProjReference::~ProjReference() {
  proj_destroy(operation_);
  proj_context_destroy(context_);
}

PJ_XYZ ProjReference::Forward(double a, double b, double c) const { return Apply(PJ_FWD, a, b, c); }

PJ_XYZ ProjReference::Inverse(double a, double b, double c) const { return Apply(PJ_INV, a, b, c); }

PJ_XYZ ProjReference::Apply(PJ_DIRECTION direction, double a, double b, double c) const {
  return proj_trans(operation_, direction, proj_coord(a, b, c, 0.0)).xyz;
}

std::string ProjReference::EllipsoidParameters(double e2, double a) {
  return zv::num::Format("+a=%.17g +es=%.17g", a, e2);
}
