// NamingEdition: the edition of the electronic-delivery drawing naming rule by which a
// register composes its deliverable file names. Up to 2016 a name begins with the life cycle
// (D0PL001Z.P21); since April 2017 it begins with the drawing number (001D0PLZ.P21) and may
// carry a user-defined part after the revision (001D0PLZ-TITLE.P21).
#pragma once

enum class NamingEdition {
  k2004,  // life cycle, reference number, drawing type, drawing number, revision
  k2017,  // drawing number, life cycle, reference number, drawing type, revision, -part
};
