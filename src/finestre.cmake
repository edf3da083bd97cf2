# The windows of pay runs and outputs (outputs/), company and employee
# administration (admin/) and maintenance (maintenance/): one library.
# Each folder appends its sources in its own block below.
add_library(vardello_finestre STATIC)
target_include_directories(vardello_finestre PUBLIC
  ${CMAKE_CURRENT_SOURCE_DIR}/outputs
  ${CMAKE_CURRENT_SOURCE_DIR}/admin
  ${CMAKE_CURRENT_SOURCE_DIR}/maintenance)
target_link_libraries(vardello_finestre PUBLIC vardello_documenti vardello_ui)

# Pay runs, closings and statutory outputs.
target_sources(vardello_finestre PRIVATE
  outputs/chiusuraannualedialog.cpp outputs/chiusuraannualedialog.h
  outputs/chiusuramensile.cpp outputs/chiusuramensile.h
  outputs/riepilogopaghe.cpp outputs/riepilogopaghe.h
  outputs/documentiannuali.cpp outputs/documentiannuali.h
  outputs/gestionecertificati.cpp outputs/gestionecertificati.h
  outputs/sceglibanca.cpp outputs/sceglibanca.h
  outputs/scegliconteggio.cpp outputs/scegliconteggio.h
)

# Company and employee administration.
target_sources(vardello_finestre PRIVATE
  admin/bloccoindirizzo.cpp admin/bloccoindirizzo.h
  admin/csvdipendenti.cpp admin/csvdipendenti.h
  admin/dialogamministrativi.cpp admin/dialogamministrativi.h
  admin/dialogfigli.cpp admin/dialogfigli.h
  admin/dialogperiodirapporto.cpp admin/dialogperiodirapporto.h
  admin/gestioneazienda.cpp admin/gestioneazienda.h
  admin/linkaiuto.cpp admin/linkaiuto.h
  admin/listadipendenti.cpp admin/listadipendenti.h
  admin/nuovaazienda.cpp admin/nuovaazienda.h
  admin/nuovodipendente.cpp admin/nuovodipendente.h
  admin/scegliazienda.cpp admin/scegliazienda.h
  admin/sceglidipendente.cpp admin/sceglidipendente.h
  admin/schedadipendente.cpp admin/schedadipendente.h
  admin/stampescheda.cpp admin/stampescheda.h
)

# Salary data and parameter maintenance.
target_sources(vardello_finestre PRIVATE
  maintenance/dialogparametricritici.cpp maintenance/dialogparametricritici.h
  maintenance/gestionecampimovimento.cpp maintenance/gestionecampimovimento.h
  maintenance/gestionegeneri.cpp maintenance/gestionegeneri.h
  maintenance/gestionemovimenti.cpp maintenance/gestionemovimenti.h
  maintenance/gestionestipendi.cpp maintenance/gestionestipendi.h
  maintenance/gestionevalute.cpp maintenance/gestionevalute.h
  maintenance/gestionevariabili.cpp maintenance/gestionevariabili.h
  maintenance/movimentimodel.cpp maintenance/movimentimodel.h
  maintenance/schedavariabilidipendente.cpp maintenance/schedavariabilidipendente.h
)
