-- SPDX-License-Identifier: MIT
-- The QC page on a server: what the file keeps beside its tolerances and
-- comparisons. A library's warning level and axis limits (colour_key empty)
-- and the whole models of standards judged otherwise than their library;
-- the library's own formula and limit stay in tolerances.
CREATE TABLE tolerance_models (
    library_key text NOT NULL REFERENCES libraries (library_key)
        ON DELETE CASCADE ON UPDATE CASCADE,
    colour_key text NOT NULL DEFAULT '',
    formula text,
    cmc_l double precision, cmc_c double precision,
    k_l double precision, k_c double precision, k_h double precision,
    tolerance_limit double precision CHECK (tolerance_limit > 0),
    warning double precision,
    dl_below double precision, dl_above double precision,
    dc_below double precision, dc_above double precision,
    dh_below double precision, dh_above double precision,
    PRIMARY KEY (library_key, colour_key)
);
GRANT SELECT ON tolerance_models TO colorcard_operator;
GRANT INSERT, UPDATE, DELETE ON tolerance_models TO colorcard_supervisor;
CREATE TRIGGER tolerance_models_notify AFTER INSERT OR UPDATE OR DELETE ON tolerance_models
    FOR EACH STATEMENT EXECUTE FUNCTION notify_change();

-- PASS, WARN or FAIL as judged, and the warning level it was judged by:
-- older rows have neither and read by their pass alone.
ALTER TABLE comparisons ADD COLUMN verdict text CHECK (verdict IN ('pass', 'warn', 'fail')),
    ADD COLUMN warning double precision;
