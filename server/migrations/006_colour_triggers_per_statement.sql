-- SPDX-License-Identifier: MIT
-- A colour's audit row and its notice, written once per statement for all
-- the rows it changed: a meter's 20,000 colours stored in one go no longer
-- run a trigger function 40,000 times. The audit rows stay one per colour.
DROP TRIGGER colours_audit ON colours;
DROP TRIGGER colours_notify ON colours;

CREATE FUNCTION colours_audit_and_notify() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
    SET search_path = colorcard, pg_temp AS $$
BEGIN
    IF TG_OP = 'INSERT' THEN
        INSERT INTO audit_log (table_name, action, library_id, old_values, new_values)
        SELECT 'colours', 'insert', n.library_id, NULL, to_jsonb(n) FROM new_rows n ORDER BY n.id;
        PERFORM pg_notify('colorcard', 'colours:' || s.library_id)
           FROM (SELECT DISTINCT library_id FROM new_rows) s;
    ELSIF TG_OP = 'DELETE' THEN
        INSERT INTO audit_log (table_name, action, library_id, old_values, new_values)
        SELECT 'colours', 'delete', o.library_id, to_jsonb(o), NULL FROM old_rows o ORDER BY o.id;
        PERFORM pg_notify('colorcard', 'colours:' || s.library_id)
           FROM (SELECT DISTINCT library_id FROM old_rows) s;
    ELSE
        INSERT INTO audit_log (table_name, action, library_id, old_values, new_values)
        SELECT 'colours', 'update', n.library_id, to_jsonb(o), to_jsonb(n)
          FROM new_rows n JOIN old_rows o ON o.id = n.id ORDER BY n.id;
        PERFORM pg_notify('colorcard', 'colours:' || s.library_id)
           FROM (SELECT library_id FROM new_rows UNION SELECT library_id FROM old_rows) s;
    END IF;
    RETURN NULL;
END $$;
CREATE TRIGGER colours_inserted_audit AFTER INSERT ON colours
    REFERENCING NEW TABLE AS new_rows
    FOR EACH STATEMENT EXECUTE FUNCTION colours_audit_and_notify();
CREATE TRIGGER colours_updated_audit AFTER UPDATE ON colours
    REFERENCING OLD TABLE AS old_rows NEW TABLE AS new_rows
    FOR EACH STATEMENT EXECUTE FUNCTION colours_audit_and_notify();
CREATE TRIGGER colours_deleted_audit AFTER DELETE ON colours
    REFERENCING OLD TABLE AS old_rows
    FOR EACH STATEMENT EXECUTE FUNCTION colours_audit_and_notify();
