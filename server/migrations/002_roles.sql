-- SPDX-License-Identifier: MIT
-- Two group roles, enforced by the server: a supervisor keeps the standards
-- (libraries, colours, tolerances, backups); an operator reads everything
-- and records samples, comparisons and lots. A person's login role is given
-- one of them: GRANT colorcard_operator TO alice;
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'colorcard_operator') THEN
        CREATE ROLE colorcard_operator NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'colorcard_supervisor') THEN
        CREATE ROLE colorcard_supervisor NOLOGIN;
    END IF;
END $$;
-- A supervisor may do whatever an operator may.
GRANT colorcard_operator TO colorcard_supervisor;

GRANT USAGE ON SCHEMA colorcard TO colorcard_operator;
GRANT SELECT ON ALL TABLES IN SCHEMA colorcard TO colorcard_operator;
GRANT INSERT ON comparisons, lots TO colorcard_operator;
GRANT UPDATE (note) ON lots TO colorcard_operator;
GRANT USAGE ON SEQUENCE comparisons_id_seq, lots_id_seq TO colorcard_operator;

GRANT INSERT, UPDATE, DELETE ON libraries, colours, tolerances, library_backups
    TO colorcard_supervisor;
GRANT DELETE ON comparisons, lots TO colorcard_supervisor;
GRANT UPDATE ON lots TO colorcard_supervisor;
GRANT USAGE ON SEQUENCE libraries_id_seq, colours_id_seq, library_backups_id_seq
    TO colorcard_supervisor;
