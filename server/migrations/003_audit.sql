-- SPDX-License-Identifier: MIT
-- The audit trail: every change of a library, colour or tolerance, written
-- by triggers into a table nobody may change afterwards (no role gets UPDATE
-- or DELETE on it; the trigger function writes as the schema's owner).
CREATE TABLE audit_log (
    id bigserial PRIMARY KEY,
    changed_at timestamptz NOT NULL DEFAULT clock_timestamp(),
    changed_by text NOT NULL DEFAULT session_user,
    bench text NOT NULL DEFAULT current_setting('application_name'),
    table_name text NOT NULL,
    action text NOT NULL,
    library_id bigint,
    old_values jsonb,
    new_values jsonb
);
CREATE INDEX audit_log_by_library ON audit_log (library_id, id);

CREATE FUNCTION audit_change() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
    SET search_path = colorcard, pg_temp AS $$
DECLARE
    library bigint;
BEGIN
    IF TG_TABLE_NAME = 'libraries' THEN
        library := COALESCE(NEW.id, OLD.id);
    ELSE
        library := COALESCE(NEW.library_id, OLD.library_id);
    END IF;
    -- The version bump alone (a colour's trigger raising it) is not a change
    -- of its own: the colour's row says what changed.
    IF TG_OP = 'UPDATE' AND TG_TABLE_NAME = 'libraries'
       AND (to_jsonb(NEW) - 'version' - 'changed_by' - 'changed_at')
         = (to_jsonb(OLD) - 'version' - 'changed_by' - 'changed_at') THEN
        RETURN NULL;
    END IF;
    INSERT INTO audit_log (table_name, action, library_id, old_values, new_values)
    VALUES (TG_TABLE_NAME, lower(TG_OP), library,
            CASE WHEN TG_OP <> 'INSERT' THEN to_jsonb(OLD) END,
            CASE WHEN TG_OP <> 'DELETE' THEN to_jsonb(NEW) END);
    RETURN NULL;
END $$;
CREATE TRIGGER libraries_audit AFTER INSERT OR UPDATE OR DELETE ON libraries
    FOR EACH ROW EXECUTE FUNCTION audit_change();
CREATE TRIGGER colours_audit AFTER INSERT OR UPDATE OR DELETE ON colours
    FOR EACH ROW EXECUTE FUNCTION audit_change();
CREATE TRIGGER tolerances_audit AFTER INSERT OR UPDATE OR DELETE ON tolerances
    FOR EACH ROW EXECUTE FUNCTION audit_change();

GRANT SELECT ON audit_log TO colorcard_operator;
REVOKE UPDATE, DELETE, TRUNCATE ON audit_log FROM PUBLIC;
